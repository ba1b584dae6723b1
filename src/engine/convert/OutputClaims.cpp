#include "engine/convert/OutputClaims.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace convert {
namespace {

std::string ReplaceMessage(const std::string& source, const std::string& listed) {
  return "Converting " + source + " would replace " + listed + ", which is also in the list to be converted";
}

}  // namespace

std::string NormalPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
  return ec ? std::filesystem::path(path).lexically_normal().string() : p.string();
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Choose(const std::string& path, const convert::OutputFolder* folder, const std::string& source,
                   const convert::FileId& source_id, const Listed& listed,
                   const std::vector<std::string>& claimed, bool keep_both, std::string* chosen,
                   std::string* note) {
  const std::string dir = convert::FolderPart(path);
  const std::string name = convert::NamePart(path);
  const long name_max = folder ? folder->NameMax() : 255;
  const std::string fitted = convert::NumberedName(name, 0, name_max);
  // Shortened (also only once a number was added): the name no longer starts with its own base.
  const size_t dot = name.rfind('.');
  const size_t base = dot == std::string::npos || dot == 0 ? name.size() : dot;
  auto say_if_shortened = [&](const std::string& chosen_path) {
    const std::string chosen_name = convert::NamePart(chosen_path);
    if (chosen_name.compare(0, base, name, 0, base) != 0)
      *note = "The name was too long for the file system and was shortened to " + chosen_name;
  };
  auto taken = [&](const std::string& candidate) {
    return std::find(claimed.begin(), claimed.end(), NormalPath(dir + candidate)) != claimed.end();
  };
  if (keep_both) {
    // Existing names (every listed source among them) are passed over, never replaced.
    if (folder) {
      *chosen = dir + convert::FreeName(*folder, name, taken);
      say_if_shortened(*chosen);
      return std::string();
    }
    for (int n = 0;; ++n)
      if (!taken(convert::NumberedName(name, n, name_max))) {
        *chosen = dir + convert::NumberedName(name, n, name_max);
        say_if_shortened(*chosen);
        return std::string();
      }
  }
  const std::string target = dir + fitted;
  const std::string normal = NormalPath(target);
  convert::FileId out_id;
  const bool out_exists = convert::IdOf(target, &out_id);
  auto is_file = [&](const std::string& other, const convert::FileId& other_id) {
    return (other_id.inode != 0 && out_exists && out_id == other_id) || NormalPath(other) == normal;
  };
  if (is_file(source, source_id))
    return "The output file " + target + " is the source file itself; it would be destroyed while being read";
  for (const auto& [id, listed_path] : listed)
    if (!(id == source_id) && is_file(listed_path, id)) return ReplaceMessage(source, listed_path);
  if (taken(fitted)) return "Another file in the list is already converted to " + target;
  *chosen = target;
  say_if_shortened(*chosen);
  return std::string();
}

std::string LateConflict(const std::string& requested, const std::string& source,
                         const convert::FileId& source_id, const Listed& listed) {
  convert::FileId out_id;
  if (!convert::IdOf(requested, &out_id)) return std::string();
  for (const auto& [id, listed_path] : listed)
    if (id == out_id && !(id == source_id)) return ReplaceMessage(source, listed_path);
  return std::string();
}

}  // namespace convert
