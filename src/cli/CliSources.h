#pragma once
// The files a command line names, and the file-list row each one would get in the
// window, read with the engine's decoder.
#include <string>
#include <vector>

#include "filelist/FileRow.h"

class FFDecoder;

struct SourceFile {
  std::string path;       // the file system's own bytes
  std::string subfolder;  // with --keep-tree: the folder below the given one, "" or "a/b/"
};

// Expands the inputs in order: a file stays itself, a folder gives the media files in
// it and its subfolders as the window's folder adding finds them. With `keepTree` each
// file found in a folder keeps its place: "<folder name>/<subfolders>/". False with
// `error` set for an input that does not exist. `outputFolder` and what is below it
// are left out of the walks: its files are outputs, not sources.
bool CollectSources(const std::vector<std::string>& inputs, bool keepTree, std::vector<SourceFile>& sources,
                    std::string& error, const std::string& outputFolder = std::string());

// Fills the row the file list would show for `path`: codecs or "N/A", "W X H" size,
// duration. False with the engine's message when the file cannot be opened.
bool ProbeSource(FFDecoder& decoder, const std::string& path, FileRow& row, std::string& error);
