// Cipher saving: every file inside the cipher folder (subfolders too) is
// stored enciphered with the user's key, two bytes for each byte of the
// text and no header, and deciphered into the conversion work file when it
// is opened.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/messages.h"

namespace quelt {

class FileSystem;
class Host;
class TextStore;

// A document of this many bytes or more is not saved enciphered.
constexpr std::size_t kMaxCipherSaveBytes = 4194304;
// An enciphered file larger than this is opened as it is.
constexpr std::uint64_t kMaxCipherFileBytes = 8388608;

struct CipherConfig {
  bool doCipher = false;  // "DoCipher"
  std::string folder;     // "CipherFPath", ending in "\"
  std::string key;        // empty: none set
};

// True when cipher saving is on and the folder of path lies in the cipher
// folder or below it, compared without regard to ASCII case.
bool InCipherFolder(const CipherConfig& config, std::string_view path);

// Enciphers plain with key: out becomes twice as long as plain, and the low
// four bits of every second byte are at most 9. False (out empty) for an
// empty key or text.
bool Encipher(std::string_view key, std::string_view plain, std::string& out);
// The converse. False, with out empty, for an empty key, data of odd or
// zero length, or any byte pair that the key cannot have made.
bool Decipher(std::string_view key, std::string_view cipher, std::string& out);

enum class CipherSaveResult : int {
  kNotCipher = 1,  // not a file of the cipher folder: save it as usual
  kRefused = 2,    // refused or failed; the file on disk is untouched
  kWritten = 3,    // written enciphered (with quiet: would be)
};

// Saves the store's bytes enciphered when path lies in the cipher folder.
// An empty document, one of 4,194,304 bytes or more, a text that is not
// Shift-JIS with CR LF and a missing key are refused (with their messages
// unless quiet; a missing key beeps). quiet only tells what a save would
// do and writes nothing.
CipherSaveResult CipherSave(FileSystem& fs, Host& host, const CipherConfig& config, const TextStore& store,
                            const std::string& path, bool quiet);

// How the open of a file went through the cipher.
enum class CipherOpen {
  kNotCipher,        // not a file to decipher (outside the cipher folder, too
                     // large, unreadable, or not enciphered at all): the
                     // file's own bytes open as usual
  kDeciphered,       // the plain text is in the temporary file
  kDoubtful,         // deciphered, but into bytes no text save writes: the
                     // key is most likely a wrong one of the same group of
                     // 16 codes; the result is in the temporary file
  kWrongKey,         // enciphered, but not with this key: the file's own bytes open
  kPasswordRefused,  // the password was not given: the file's own bytes open
};

// Deciphers the file at path (in the cipher folder, at most 8,388,608
// bytes) into tempPath for opening, after askPassword agrees. A file that
// is not deciphered beeps (except a refused password); the open then reads
// the file's own bytes. text: the document is a text, whose deciphered bytes
// must read as a text the program saved.
CipherOpen DecipherForOpening(FileSystem& fs, Host& host, const CipherConfig& config, const std::string& path,
                              const std::string& tempPath, const std::function<bool()>& askPassword,
                              bool text = true);

// True when bytes have the shape of an enciphered file: an even, non-zero
// length and every second byte one that some key of letters and digits
// writes.
bool LooksEnciphered(std::string_view bytes);

// True when text reads as a Shift-JIS text with CR LF line ends as the
// program holds and saves it: no zero byte, no control character but tab,
// escape, form feed and the line ends, every CR followed by LF and every LF
// preceded by CR, and every lead byte followed by a valid second byte.
bool ReadsAsSavedText(std::string_view text);

// The message a document gets when it opens write-protected after
// DecipherForOpening gave open; kMsgNone when it opens as usual.
MessageId CipherOpenProtectionMessage(CipherOpen open);

}  // namespace quelt
