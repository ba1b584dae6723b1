#pragma once
// Finding and listing the profiles by the words a command line gives.
#include <string>

#include "output/OutputCatalogue.h"

// A profile by id, exact caption, or a part of one caption in any letter case. nullptr
// with `error` set when nothing or more than one entry matches.
const ProfileEntry* FindProfileByText(const std::string& text, std::string& error);

// "General Audio Format", "General Video Format" or "Device/<submenu>".
std::string ProfileMenuPath(const ProfileEntry& entry);

// One line per profile: id, caption, menu path, key, extension, separated by tabs.
std::string ProfileListing();
