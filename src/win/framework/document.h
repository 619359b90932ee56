// A document of the framework: a file (or an untitled text) with the views
// that show it. The template that made it owns it.
#pragma once

#include <string>
#include <vector>

#include "framework/command.h"

namespace quelt::win {

class DocTemplate;
class View;

class Document : public CommandTarget {
 public:
  ~Document() override = default;

  DocTemplate* Template() const { return template_; }
  const std::string& PathName() const { return pathName_; }  // Shift-JIS, empty when untitled
  const std::string& Title() const { return title_; }        // Shift-JIS
  void SetTitle(const std::string& title);
  // Sets the path and the title (the name without folder).
  void SetPathName(const std::string& path);
  bool IsModified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  const std::vector<View*>& Views() const { return views_; }
  void UpdateAllViews(View* sender, int hint);

  // Framework steps; the defaults do what an empty document needs.
  virtual bool OnNewDocument();
  virtual bool OnOpenDocument(const std::string& path) = 0;
  virtual bool OnSaveDocument(const std::string& path) = 0;
  // Asks to save changes; false when the user cancelled.
  virtual bool SaveModified();
  // The open dialog's read-only check box, after the document opened.
  virtual void OpenedReadOnly(bool /*readOnly*/) {}
  // Closes every view's frame; the template then destroys the document.
  void OnCloseDocument();

 private:
  friend class DocTemplate;
  friend class View;
  DocTemplate* template_ = nullptr;
  std::string pathName_;
  std::string title_;
  bool modified_ = false;
  std::vector<View*> views_;
};

}  // namespace quelt::win
