// The message table: every text the engine shows the user, by id, in the
// Japanese and (where there is one) the English form. The interface language
// is one flag for the whole process.
#pragma once

#include <string>

namespace quelt {

// Ids below 61000 are the program's string-table ids; ids from 61000 up are
// texts that have no fixed string id of their own.
enum MessageId : int {
  kMsgNone = 0,  // no message
  kMsgOleInitFailed = 100,
  kMsgFrameTitle = 57347,            // "Kav Quelt : %1"
  kMsgTooManyChars = 59394,          // text over 10,485,760 bytes
  kMsgTooManyLines = 59395,          // over 100,000 display lines
  kMsgBadCabinet = 59398,
  kMsgOutOfMemory = 59399,
  kMsgCabinetExists = 59400,
  kMsgBadPathName = 59401,
  kMsgCabinetCreateError = 59402,
  kMsgOverMaxSize = 59403,
  kMsgOverMaxLength = 59404,
  kMsgOverMaxCount = 59405,
  kMsgTooManyAreaComments = 59406,
  kMsgCommonSettingsTitle = 59455,   // "共通設定"
  kMsgDocumentTooLargeToConvert = 61000,
  kMsgSupportLibraryMissing = 61001,
  kMsgSaveChanges = 61216,           // save-modified question, %1 = title
  kMsgOpenFailed = 61003,            // %1 = path
  kMsgSaveFailed = 61004,            // %1 = path
  kMsgCabinetReadFailed = 61100,     // a cabinet file exists but cannot be read
  kMsgCabinetWriteFailed = 61101,    // the cabinet file cannot be written
  kMsgOpeningCabinet = 61102,        // status text while a cabinet reopens its files
  kMsgUndoBufferOverflow = 61300,    // question: the removed text does not fit the undo buffer
  kMsgDeleteDocument = 61200,        // question: delete the document and its file %1
  kMsgSourceTooLarge = 59471,       // the free conversion's source or output is too large
  kMsgSelectionTooLarge = 59493,    // "行の連結" over 30,720 selected bytes
  kMsgCipherTooLarge = 61500,       // "ﾃﾞｰﾀが大き過ぎて暗号化保存できません。"
  kMsgCipherNeedsSjisCrLf = 61501,  // a cipher save other than Shift-JIS with CR LF
  kMsgCipherKeyTooShort = 61502,    // a key of 1-5 characters
  kMsgFolderMissingCreate = 61503,  // question: %1 does not exist, create it
  kMsgCipherKeyMissing = 61504,     // cipher saving checked without a key
  kMsgCipherKeyDoubtful = 61505,    // deciphered into bytes no save writes: opened write-protected
  kMsgCipherKeyWrong = 61506,       // enciphered with another key: opened write-protected
  kMsgCipherPasswordRefused = 61507,  // the password was not given: opened write-protected
  kMsgPaperTooSmall = 59417,        // nothing fits the page
  kMsgTooManyPrintLines = 59418,    // over 100,000 printed lines
  kMsgNoPrinter = 61600,            // no printer to print or preview on
  kMsgPrintFailed = 61601,          // the printer refused the job
  kMsgReplacedCount = 59414,         // %1 = how many replacements were made
  kMsgCancelReplace = 59415,         // question: stop replacing
  kMsgAttributeSameExtension = 61400,  // the text file's extension is the attribute extension
  kMsgAttributeForeignFile = 61401,    // question: overwrite a file of another format
  kMsgAttributeWriteError = 61402,
  kMsgAttributeReadError = 61403,
  kMsgAttributeMismatch = 61404,       // the marks do not fit the text
  kMsgReplaceTitle = 61410,            // title of the replace window
  kMsgFindTitle = 61411,               // title of the find window
  kMsgBadKeyFile = 59428,              // the key-definition file is invalid
  kMsgKeyFileWriteError = 59430,
  kMsgKeyAlreadyBound = 59431,
  kMsgTooManyKeyBindings = 59432,
  kMsgTooManyTools = 59441,              // a 51st user tool
  kMsgToolFileMissing = 59442,           // a user tool's program does not exist
  kMsgToolsInExtendedMenus = 59509,      // question: the tool list change renumbers tools in extended menus
  kMsgRecordBufferFull = 59422,          // the record buffer is full: recording ends
  kMsgBadOperationFileName = 59423,
  kMsgOperationFileExists = 59424,       // question: overwrite the operation file
  kMsgOperationFileWriteError = 59426,
  kMsgDataFileReadError = 61700,         // a data file beside the executable cannot be read
  kMsgDataFileInvalid = 61701,           // its content is invalid: the data is skipped
  kMsgDataFileWriteError = 61702,        // it cannot be written: the data is not saved
  kMsgStateFileKeptAside = 61703,        // the state file is invalid: %1 keeps it at exit
  kMsgGlobalSearchReport = 61710,        // %1 files searched, %2 matches found
  kMsgGlobalSearchTitle = 61711,         // caption of the search over files
  kMsgRangeTooLarge = 61800,             // tag erase over 1 MiB: "指定範囲が大き過ぎます。"
  // The HTML visual document and view.
  kMsgVisualFileTooLarge = 61900,        // an HTML file over 9,744 bytes
  kMsgVisualTooManyFonts = 61901,
  kMsgVisualTooManyChars = 61902,
  kMsgVisualTooManyFigures = 61903,
  kMsgVisualTooManyPages = 61904,
  kMsgVisualSaveTooLarge = 61905,        // a converted save over 2 MiB
  kMsgVisualCreateFailed = 61906,        // the HTML file cannot be created
  kMsgVisualSelectionTooLong = 61907,    // a link over a selection of 256 bytes or more
  kMsgVisualNoBody = 61908,              // a page without a BODY tag opens write-protected
  // UTF-8 and UTF-16 files.
  kMsgUnicodeCharsLost = 62000,          // %1 characters cannot be kept: opened write-protected
  kMsgUnicodeSaveAsLoses = 62001,        // Save As writes those %1 characters as they show
  kMsgUnicodeNotOverOriginal = 62002,    // and never over the file they came from
};

// Sets the process-wide interface language (false: Japanese, the default).
void SetEnglishInterface(bool english);
bool IsEnglishInterface();

// The text of a message in the current interface language, as UTF-8.
// Unknown ids give an empty string.
std::string MessageText(MessageId id);

// Replaces every "%1" in text by arg.
std::string FormatMessageText(const std::string& text, const std::string& arg);

}  // namespace quelt
