#include "cli/CliProfiles.h"

#include <algorithm>
#include <vector>

#include "cli/CliText.h"
#include "cli/CliWords.h"
#include "output/OutputProfile.h"

using words::AllDigits;
using words::Lower;

const ProfileEntry* FindProfileByText(const std::string& text, std::string& error) {
  const std::span<const ProfileEntry> catalogue = ProfileCatalogue();
  if (AllDigits(text) && text.size() < 10) {
    if (const ProfileEntry* entry = FindProfile(std::stoi(text))) return entry;
  }
  for (const ProfileEntry& entry : catalogue)
    if (text == entry.caption) return &entry;

  const std::string wanted = Lower(text);
  std::vector<const ProfileEntry*> matches;
  for (const ProfileEntry& entry : catalogue) {
    const std::string caption = Lower(entry.caption);
    if (caption == wanted) return &entry;
    if (!wanted.empty() && caption.find(wanted) != std::string::npos) matches.push_back(&entry);
  }
  if (matches.size() == 1) return matches.front();
  if (matches.empty()) {
    error = CliFormat(CliText::tr("--profile: no profile matches \"%1\" (see --list-profiles)"), {text});
    return nullptr;
  }
  error = CliFormat(
      CliText::tr("--profile: \"%1\" matches %n profiles:", nullptr, static_cast<int>(matches.size())),
      {text});
  const size_t shown = std::min<size_t>(matches.size(), 8);
  for (size_t i = 0; i < shown; ++i)
    error += "\n  " + std::to_string(matches[i]->id) + "  " + matches[i]->caption;
  if (shown < matches.size()) error += "\n  ...";
  return nullptr;
}

std::string ProfileMenuPath(const ProfileEntry& entry) {
  const std::string menu = entry.menu;
  if (menu == AudioFormatMenu || menu == VideoFormatMenu || menu == ModernMenu) return menu;
  return std::string(DeviceMenu) + "/" + menu;
}

std::string ProfileListing() {
  std::string text;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    text += std::to_string(entry.id) + "\t" + entry.caption + "\t" + ProfileMenuPath(entry) + "\t" +
            entry.key + "\t" + ExtensionForKey(QString::fromUtf8(entry.key)).toStdString() + "\n";
  }
  return text;
}
