// `CExtPS`: the sheet "行の抽出" with its pages `CExtSetPage` ("ﾊﾟﾗﾒｰﾀ"),
// `CExtStep1Page` ("ｽﾃｯﾌﾟ1") and `CExtStep2Page` ("ｽﾃｯﾌﾟ2"). The pages work on
// one copy of the settings: the lists change as "追加" and "削除" are
// pressed, the other controls are read when a page is left or the sheet is
// confirmed. The caller takes the copy only after OK.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "extract/extract_settings.h"

namespace quelt::win {

// What the sheet edits: the settings and "操作を記録" (RecordExtractOperation).
struct ExtractSheetValues {
  ExtractSettings settings;
  bool recordOperation = false;
};

// A page of the sheet: its dialog procedure hands the messages to the
// object, which outlives the sheet's showing.
class CExtPage {
 public:
  explicit CExtPage(ExtractSheetValues& values) : values_(values) {}
  virtual ~CExtPage() = default;
  CExtPage(const CExtPage&) = delete;
  CExtPage& operator=(const CExtPage&) = delete;

  PROPSHEETPAGEW Page(int dialogId);

 protected:
  virtual void OnInit(HWND page) = 0;
  // A control's notification; false when the page leaves it alone.
  virtual bool OnCommand(HWND /*page*/, int /*id*/, int /*code*/) { return false; }
  // Reads the controls into the values: the control of a refused field, or 0.
  virtual int Read(HWND /*page*/) { return 0; }

  ExtractSheetValues& values_;

 private:
  static INT_PTR CALLBACK Proc(HWND page, UINT msg, WPARAM wp, LPARAM lp);
};

class CExtSetPage : public CExtPage {
 public:
  using CExtPage::CExtPage;

 protected:
  void OnInit(HWND page) override;
  int Read(HWND page) override;
};

class CExtStep1Page : public CExtPage {
 public:
  using CExtPage::CExtPage;

 protected:
  void OnInit(HWND page) override;
  bool OnCommand(HWND page, int id, int code) override;
  int Read(HWND page) override;
};

class CExtStep2Page : public CExtPage {
 public:
  using CExtPage::CExtPage;

 protected:
  void OnInit(HWND page) override;
  bool OnCommand(HWND page, int id, int code) override;
  int Read(HWND page) override;
};

class CExtPS {
 public:
  explicit CExtPS(ExtractSheetValues& values) : set_(values), step1_(values), step2_(values) {}
  // True after OK; values then hold what the pages were left with.
  bool DoModal(HWND owner);

 private:
  CExtSetPage set_;
  CExtStep1Page step1_;
  CExtStep2Page step2_;
};

}  // namespace quelt::win
