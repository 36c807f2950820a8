#pragma once
// A disc image (an ".iso" file) read whole into a tree of its folders and
// files, with the names Windows shows for the disc in a drive.
#include <string>

#include "scan/folder_tree.h"

namespace vardek::cli {

// Reads the image at `path` into `tree`. False when it cannot be read fully,
// or not here at all; `problem` then says why and what the user can do.
bool ReadDiscImage(const std::string& path, FolderTree& tree, std::string& problem);

}  // namespace vardek::cli
