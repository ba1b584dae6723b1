#include "engine/OutputClaims.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace outputclaims {
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

std::string Choose(const std::string& path, const std::string& source, const media::FileId& source_id,
                   const Listed& listed, const std::vector<std::string>& claimed, bool keep_both,
                   std::string* chosen) {
  const std::string normal = NormalPath(path);
  media::FileId out_id;
  const bool out_exists = media::IdOf(path, &out_id);
  auto is_file = [&](const std::string& other, const media::FileId& other_id) {
    return (other_id.inode != 0 && out_exists && out_id == other_id) || NormalPath(other) == normal;
  };
  if (is_file(source, source_id))
    return "The output file " + path + " is the source file itself; it would be destroyed while being read";
  for (const auto& [id, listed_path] : listed)
    if (!(id == source_id) && is_file(listed_path, id)) return ReplaceMessage(source, listed_path);
  auto taken = [&](const std::string& candidate) {
    return std::find(claimed.begin(), claimed.end(), NormalPath(candidate)) != claimed.end();
  };
  if (keep_both) {
    *chosen = media::FreeName(path, taken);
    return std::string();
  }
  if (taken(path)) return "Another file in the list is already converted to " + path;
  *chosen = path;
  return std::string();
}

std::string LateConflict(const std::string& requested, const std::string& source,
                         const media::FileId& source_id, const Listed& listed) {
  media::FileId out_id;
  if (!media::IdOf(requested, &out_id)) return std::string();
  for (const auto& [id, listed_path] : listed)
    if (id == out_id && !(id == source_id)) return ReplaceMessage(source, listed_path);
  return std::string();
}

std::vector<std::string> FoldersOf(const std::vector<std::string>& outputs) {
  std::vector<std::string> folders;
  for (const std::string& output : outputs) {
    const size_t slash = output.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : output.substr(0, slash + 1);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  return folders;
}

}  // namespace outputclaims
