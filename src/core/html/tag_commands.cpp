#include "html/tag_commands.h"

#include "html/form_tags.h"
#include "html/page_tags.h"
#include "html/table_tags.h"

namespace quelt {

std::optional<TagPair> TagPairOfCommand(CommandId id, const TagSettings& s) {
  if (auto fixed = FixedTagPair(id)) return fixed;
  const FormTagSettings& form = s.html.form;
  const TableSettings& table = s.table;
  switch (id) {
    case kCmdTagPage: return BuildPageTag(s.page);
    case kCmdTagCharacter: return BuildCharTag(s.character);
    case kCmdTagLink: return BuildLinkTag(s.html);
    case kCmdTagAnchor: return BuildAnchorTag(s.html);
    case kCmdTagImage: return BuildImageTag(s.html);
    case kCmdTagHeading: return BuildHeadingTag(s.html);
    case kCmdTableWizard: return BuildTableWizardTag(table.wizard);
    case kCmdTableArea: return BuildTableAreaTag(table.area);
    case kCmdTableCaption: return BuildTableCaptionTag(table.caption);
    case kCmdTableHeader: return BuildTableCellTag(table.cell, true);
    case kCmdTableData: return BuildTableCellTag(table.cell, false);
    case kCmdTableRow: return BuildTableRowTag(table.row);
    case kCmdFormArea: return BuildFormAreaTag(form);
    case kCmdFormText: return BuildFormTextTag(form);
    case kCmdFormRadio: return BuildFormRadioTag(form);
    case kCmdFormCheckBox: return BuildFormCheckBoxTag(form);
    case kCmdFormSubmit: return BuildFormSubmitTag(form);
    case kCmdFormReset: return BuildFormResetTag(form);
    case kCmdFormSelect: return BuildFormSelectTag(form);
    case kCmdFormTextArea: return BuildFormTextAreaTag(form);
    case kCmdFrameArea: return BuildFrameAreaTag(s.frame);
    case kCmdFrameFrame: return BuildFrameTag(s.frame);
    case kCmdFrameNoFrame: return BuildNoFrameTag();
    case kCmdFrameTarget: return BuildFrameTargetTag(s.frame);
    default: return std::nullopt;
  }
}

std::optional<ListItems> LineItemsOfCommand(CommandId id) {
  switch (id) {
    case kCmdTagBulletList:
    case kCmdTagNumberList: return ListItems{"<LI>", {}};
    case kCmdTagDefinitionList: return ListItems{"<DT>", "<DD>"};
    case kCmdFormSelect: return ListItems{kSelectItem, {}};
    default: return std::nullopt;
  }
}

}  // namespace quelt
