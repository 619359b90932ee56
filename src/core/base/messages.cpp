#include "base/messages.h"

#include <atomic>

namespace quelt {
namespace {

struct Entry {
  MessageId id;
  const char* japanese;
  const char* english;  // nullptr: the Japanese text serves both
};

constexpr Entry kMessages[] = {
    {kMsgOleInitFailed,
     "OLE の初期化に失敗しました。OLE ﾗｲﾌﾞﾗﾘが正しいﾊﾞｰｼﾞｮﾝのものか確認してください。",
     "OLE initialization failed. Make sure that the OLE libraries are the correct version."},
    {kMsgFrameTitle, "Kav Quelt : %1", nullptr},
    {kMsgTooManyChars, "文字数オーバーのため処理できません。", "Too many characters to process."},
    {kMsgTooManyLines, "行数オーバーです。", "Too many lines."},
    {kMsgBadCabinet, "キャビネットファイルの内容が不正のため読み込めません。",
     "The cabinet file is invalid and cannot be read."},
    {kMsgOutOfMemory, "メモリ不足です。", "Out of memory."},
    {kMsgCabinetExists, "同名のキャビネットがすでに存在しています。\n上書きしますか？",
     "A cabinet of the same name already exists.\nOverwrite it?"},
    {kMsgBadPathName, "パス名（ファイル名）が不正です。", "The path name (file name) is invalid."},
    {kMsgCabinetCreateError,
     "キャビネットファイルの作成中にエラーが発生しました。キャビネットは作成できません。",
     "An error occurred while creating the cabinet file. The cabinet cannot be created."},
    {kMsgOverMaxSize, "許容最大サイズを越えるため処理できません。",
     "Cannot process: the maximum size is exceeded."},
    {kMsgOverMaxLength, "許容最大長を越えるものがあるため処理できません。",
     "Cannot process: an item exceeds the maximum length."},
    {kMsgOverMaxCount, "許容最大個数を越えるため処理できません。",
     "Cannot process: the maximum count is exceeded."},
    {kMsgTooManyAreaComments,
     "コメント \"/*\"、\"*/\" の個数が許容最大数を越えました。これらのコメント部が正しい色で表示されない可能性があります。",
     nullptr},
    {kMsgCommonSettingsTitle, "共通設定", "Common Settings"},
    {kMsgDocumentTooLargeToConvert,
     "文書サイズが大き過ぎて指定の条件で保存できません。コードはシフトJIS、改行はCRLF指定で保存してください。",
     nullptr},
    {kMsgSupportLibraryMissing, "MUSCRL32.DLLが見つかりません。", "Failed to find MUSCRL32.DLL"},
    {kMsgSaveChanges, "%1への変更を保存しますか？", "Save changes to %1?"},
    {kMsgOpenFailed, "%1 を開けません。", "Cannot open %1."},
    {kMsgSaveFailed, "%1 を保存できません。", "Cannot save %1."},
    {kMsgCabinetReadFailed, "Failed to read from Cabinet", nullptr},
    {kMsgCabinetWriteFailed, "Failed to write to Cabinet", nullptr},
    {kMsgOpeningCabinet, "ｷｬﾋﾞﾈｯﾄを開いています:", "Opening Cabinet:"},
    {kMsgUndoBufferOverflow, "アンドゥバッファの容量を越えるためアンドゥできませんが、よろしいですか？",
     "The text exceeds the capacity of the undo buffer and cannot be undone. Continue?"},
    {kMsgDeleteDocument, "現在文書とその元のﾌｧｲﾙ %1 を削除しますが、よろしいですか？",
     "The current document and its file %1 will be deleted. Are you sure?"},
    {kMsgSourceTooLarge, "変換元のサイズが大き過ぎます。", "The source is too large to convert."},
    {kMsgSelectionTooLarge, "選択範囲が大き過ぎて処理できません。選択範囲をもっと小さくしてください。",
     "The selection is too large to process. Make the selection smaller."},
    {kMsgCipherTooLarge, "ﾃﾞｰﾀが大き過ぎて暗号化保存できません。", "The data is too large to save enciphered."},
    {kMsgCipherNeedsSjisCrLf, "ｼﾌﾄJIS、CRLF以外の指定で、暗号化保存することはできません。",
     "Only Shift-JIS with CR LF can be saved enciphered."},
    {kMsgCipherKeyTooShort, "暗号ｷｰは６文字以上の半角英数字で入力してください。",
     "Enter a cipher key of at least 6 half-width letters or digits."},
    {kMsgFolderMissingCreate, "%1 は存在しません。作成しますが、よろしいですか？",
     "%1 does not exist. Create it?"},
    {kMsgCipherKeyMissing, "暗号ｷｰが設定されていません。暗号化するためには暗号ｷｰが必須です。",
     "No cipher key is set. Enciphering needs a cipher key."},
    {kMsgCipherKeyDoubtful,
     "暗号ｷｰが違う可能性があります。正しく復号できていないおそれがあるため、上書き禁止で開きます。",
     "The cipher key may be wrong, so the file may not have been deciphered correctly. It opens write-protected."},
    {kMsgCipherKeyWrong, "暗号ｷｰが違うため復号できません。暗号化されたままの内容を上書き禁止で開きます。",
     "The cipher key does not decipher this file. Its enciphered content opens write-protected."},
    {kMsgCipherPasswordRefused,
     "ﾊﾟｽﾜｰﾄﾞが入力されなかったため復号しません。暗号化されたままの内容を上書き禁止で開きます。",
     "No password was given, so the file is not deciphered. Its enciphered content opens write-protected."},
    {kMsgPaperTooSmall, "用紙サイズが小さいか、または余白が大きすぎるため印刷できません。",
     "The paper is too small or the margins too large to print."},
    {kMsgTooManyPrintLines, "一度に印刷する行数が大きすぎて印刷できません。範囲指定で分割して印刷してください。",
     "Too many lines to print at once. Print a part of the text at a time."},
    {kMsgNoPrinter, "プリンタが見つかりません。プリンタを設定してから印刷してください。",
     "No printer is available. Set up a printer first."},
    {kMsgPrintFailed, "印刷できませんでした。", "The document could not be printed."},
    {kMsgReplacedCount, "%1 回置換しました。", "%1 occurrence(s) replaced."},
    {kMsgCancelReplace, "中止しますか？", "Do you want to stop?"},
    {kMsgAttributeSameExtension,
     "テキストファイルの拡張子が属性ファイルの拡張子と同じであるため、属性ファイルを作成できません。",
     "Cannot create the attribute file because the text file has the attribute file's extension."},
    {kMsgAttributeForeignFile,
     "属性ファイルとは形式が相違する同じ名前のファイルが存在します。上書きしますが、よろしいですか？",
     "A file of a different format with the attribute file's name exists. Overwrite it?"},
    {kMsgAttributeWriteError,
     "属性ファイルの作成でエラーが発生したため、属性情報は保存できません。",
     "The attribute information cannot be saved because an error occurred while creating the "
     "attribute file."},
    {kMsgAttributeReadError,
     "属性ファイルの読み込みでエラーが発生したため、属性情報は読み込めません。",
     "The attribute information cannot be read because an error occurred while reading the "
     "attribute file."},
    {kMsgAttributeMismatch,
     "属性ファイルの情報がテキストファイルの情報と一致しないため、属性情報を読み込めません。",
     "The attribute information does not match the text file and cannot be read."},
    {kMsgReplaceTitle, "文字列の置換", "Replace"},
    {kMsgFindTitle, "文字列の検索", "Find"},
    {kMsgBadKeyFile, "キー定義ファイルの内容が不正です。読み込めません。",
     "The key definition file is invalid and cannot be read."},
    {kMsgKeyFileWriteError,
     "キー定義ファイルへの書き込みでエラーが発生しました。保存できません。",
     "An error occurred while writing the key definition file. It cannot be saved."},
    {kMsgKeyAlreadyBound, "既に割り付けられているため、追加できません。",
     "Cannot add: the key is already assigned."},
    {kMsgTooManyKeyBindings, "定義できる許容最大個数を越えるため追加できません。",
     "Cannot add: the maximum number of key definitions is exceeded."},
    {kMsgTooManyTools, "許容最大数を越えるため追加できません。", "Cannot add: the maximum number is exceeded."},
    {kMsgToolFileMissing, "指定のファイルがありません。", "The specified file does not exist."},
    {kMsgToolsInExtendedMenus,
     "拡張ﾒﾆｭｰにﾕｰｻﾞﾂｰﾙが設定されています。この操作を行なうと、設定済みのﾕｰｻﾞﾂｰﾙの内容が変更される可能性がありますが、よろしいですか？",
     "User tools are set in extended menus. This operation may change the user tools they run. Continue?"},
    {kMsgRecordBufferFull, "記録バッファのサイズを越えるため操作を記録できません。記録を中止します。",
     "The operation cannot be recorded because the record buffer is full. Recording stops."},
    {kMsgBadOperationFileName, "ファイル名が不正です。", "The file name is invalid."},
    {kMsgOperationFileExists, "同名のファイルが既に存在します。上書きしますか？",
     "A file of the same name already exists. Overwrite it?"},
    {kMsgOperationFileWriteError,
     "マクロファイルの書き込みでエラーが発生しました。データは保存できません。",
     "An error occurred while writing the macro file. The data cannot be saved."},
    {kMsgDataFileReadError,
     "データファイルの読み込みでエラーが発生しました。対応するデータはデフォルト値となります。",
     "An error occurred while reading the data file. The default values are used."},
    {kMsgDataFileInvalid, "データファイルの内容が不正です。データは読み飛ばされます。",
     "The data file is invalid. Its data is skipped."},
    {kMsgUnicodeCharsLost,
     "このﾌｧｲﾙには、ｼﾌﾄJISで表せないか元の形で保存し直せない文字が %1 個あり、〓などで表示しています。上書き保存するとそれらの文字が失われるため、上書き禁止で開きます。",
     "This file holds %1 characters that Shift-JIS cannot hold or that cannot be saved back in their original "
     "form; they are shown as 〓 or in another form. Saving over the file would lose them, so it opens "
     "write-protected."},
    {kMsgUnicodeSaveAsLoses,
     "この文書の %1 個の文字は元の形で保存できないため、〓などで表示しているとおりに保存されます。",
     "%1 characters of this document cannot be saved in their original form; they are saved as they are "
     "shown, as 〓 or in another form."},
    {kMsgUnicodeNotOverOriginal,
     "元のﾌｧｲﾙに上書きするとそれらの文字が失われるため、保存しません。別の名前を指定してください。",
     "Saving over the original file would lose those characters, so it is not saved. Give another name."},
    {kMsgStateFileKeptAside,
     "データファイルの内容が不正です。データは読み飛ばされます。\n元のファイルは終了時に %1 として残されます。",
     "The data file is invalid. Its data is skipped.\nThe file is kept as %1 at exit."},
    {kMsgDataFileWriteError,
     "データファイルの書き込みでエラーが発生しました。対応するデータは保存できません。",
     "An error occurred while writing the data file. The data cannot be saved."},
    {kMsgGlobalSearchReport, "検索したファイルの数： %1\n\n見つかった個数        ： %2",
     "Files searched: %1\n\nMatches found: %2"},
    {kMsgGlobalSearchTitle, "ｸﾞﾛｰﾊﾞﾙ検索", "Find In Files"},
    {kMsgRangeTooLarge, "指定範囲が大き過ぎます。", "The selected range is too large."},
    {kMsgVisualFileTooLarge,
     "HTMLファイルが大き過ぎてビジュアル指定では読み込めません。プレーン指定で読み込んでください。",
     "The HTML file is too large to open in the visual mode. Open it as plain text."},
    {kMsgVisualTooManyFonts, "１文書当たりの許容最大フォント数を越えるため処理できません。",
     "Cannot proceed: the maximum number of fonts per document is exceeded."},
    {kMsgVisualTooManyChars, "１文書当たりの許容最大文字数を越える可能性があるため処理できません。",
     "Cannot proceed: the maximum number of characters per document may be exceeded."},
    {kMsgVisualTooManyFigures, "１文書当たりの許容最大図形数を越えるため処理できません。",
     "Cannot proceed: the maximum number of figures per document is exceeded."},
    {kMsgVisualTooManyPages, "許容最大頁数を越えるため処理できません。頁数を減らしてください。",
     "Cannot proceed: the maximum number of pages is exceeded. Reduce the number of pages."},
    {kMsgVisualSaveTooLarge,
     "文書サイズが大き過ぎて指定の条件で保存できません。コードはシフトJIS、改行はCRLF指定で保存してください。",
     "The document is too large to save with these settings. Save it as Shift-JIS with CR LF."},
    {kMsgVisualCreateFailed, "HTMLファイルは作成できませんでした。", "The HTML file could not be created."},
    {kMsgVisualSelectionTooLong, "選択文字列が長すぎます。", "The selected text is too long."},
    {kMsgVisualNoBody, "BODYタグがないため、ビジュアル指定では本文を読み込めません。上書き禁止で開きます。",
     "The page has no BODY tag, so its text cannot be read in the visual mode. It is opened write-protected."},
};

std::atomic<bool> g_english{false};

}  // namespace

void SetEnglishInterface(bool english) { g_english = english; }
bool IsEnglishInterface() { return g_english; }

std::string MessageText(MessageId id) {
  for (const Entry& e : kMessages) {
    if (e.id == id) return (g_english && e.english) ? e.english : e.japanese;
  }
  return {};
}

std::string FormatMessageText(const std::string& text, const std::string& arg) {
  std::string out;
  out.reserve(text.size() + arg.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '1') {
      out += arg;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace quelt
