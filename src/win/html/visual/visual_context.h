// `VisualContext`: what the HTML visual document and its windows are handed
// when they are made: the settings, the user, the file steps they share
// with the text documents (files, work file, cipher, the cabinet's filters
// for the save dialog), the tag dialogs' values, printing, and the open
// documents and main window they look at.
#pragma once

#include "app/app_paths.h"
#include "app/settings.h"
#include "base/file_system.h"
#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "cipher/cipher_service.h"
#include "framework/document_list.h"
#include "framework/owner_window.h"
#include "html/tag_service.h"
#include "print/print_service.h"

namespace quelt::win {

struct VisualContext {
  AppSettings& settings;
  Host& host;
  FileSystem& files;
  const AppPaths& paths;
  CipherService& cipher;
  CabinetService& cabinet;
  HtmlTagService& htmlTags;
  PrintService& printing;
  DocumentList& documents;
  OwnerWindow& owner;
};

}  // namespace quelt::win
