// Windows path helpers over Shift-JIS text. Every helper walks the path
// character by character, so a trail byte 0x5C ('\') is never taken for a
// folder separator.
#pragma once

#include <string>
#include <string_view>

namespace quelt {

// Offset one past the last backslash or colon, i.e. where the name begins.
std::size_t NameStart(std::string_view path);
// The folder part including its final backslash ("C:\a\b.txt" -> "C:\a\").
std::string FolderOf(std::string_view path);
// The name with extension ("C:\a\b.txt" -> "b.txt").
std::string FileNameOf(std::string_view path);
// The file title the program shows, e.g. in the frame title: the name
// without its folder, extension kept ("C:\a\b.txt" -> "b.txt").
std::string FileTitleOf(std::string_view path);
// The name without folder and extension ("C:\a\b.txt" -> "b"), as the
// instance mutex and the DDE service are named after the executable.
std::string NameWithoutExtension(std::string_view path);
// The extension without its dot ("b.txt" -> "txt"; none -> "").
std::string ExtensionOf(std::string_view path);
// Replaces the extension (or appends one when there is none); ext has no dot.
std::string ReplaceExtension(std::string_view path, std::string_view ext);
// Joins a folder and a name, adding a backslash where needed.
std::string JoinPath(std::string_view folder, std::string_view name);
// True when the last character is a separator ('\' or '/'); the trail
// byte 0x5C of "表" or "ソ" is not one.
bool EndsWithSeparator(std::string_view path);
// The folder with a trailing backslash ("C:\a" -> "C:\a\"); empty stays empty.
std::string WithTrailingSeparator(std::string_view folder);
// The folder without trailing separators, except a drive root ("C:\a\" ->
// "C:\a", "C:\" stays) and a lone "\".
std::string WithoutTrailingSeparator(std::string_view folder);
// True when the path has a folder or drive part ("a\b", "C:b"), false
// for a bare name.
bool HasFolderPart(std::string_view path);
// True for "\\server\..." and for "X:..." with a drive letter.
bool IsAbsolutePath(std::string_view path);
// ASCII letters folded to lower case; double-byte characters left alone.
std::string FoldCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace quelt
