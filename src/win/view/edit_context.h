// `EditContext`: what a text document and its windows (the view, the edit
// window, the binary view) are handed when they are made: the services
// they use, and the narrow views of the program they look at. The
// application makes one and keeps it for the run.
#pragma once

#include "app/app_paths.h"
#include "app/settings.h"
#include "base/file_system.h"
#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "cipher/cipher_service.h"
#include "framework/command_route.h"
#include "framework/document_list.h"
#include "framework/document_opener.h"
#include "framework/owner_window.h"
#include "global_search/tag_jumps.h"
#include "html/tag_service.h"
#include "record/recording.h"
#include "search/find_service.h"
#include "state/app_state.h"
#include "tools/tool_service.h"
#include "view/clip_history.h"
#include "view/document_files.h"
#include "view/status_sink.h"

namespace quelt::win {

struct EditContext {
  AppSettings& settings;
  CabinetService& cabinet;
  Host& host;
  FileSystem& files;
  const AppPaths& paths;
  AppState& state;
  CipherService& cipher;
  FindService& find;
  Recording& recording;
  ClipHistory& clips;
  HtmlTagService& htmlTags;
  TagJumps& tagJumps;
  ToolService& tools;
  StatusSink& status;
  DocumentList& documents;
  DocumentOpener& opener;
  OwnerWindow& owner;
  CommandRoute& route;
  // Reading and writing the document's file, and its file commands.
  TextDocumentFiles& documentFiles;

  // The working copy of the current cabinet.
  const CabinetSettings& CurrentCabinet() const { return cabinet.Working(); }
};

}  // namespace quelt::win
