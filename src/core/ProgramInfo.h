#pragma once
// The program's name and version as every window and the command line show them.

namespace ProgramInfo {
inline constexpr const char* kTitle = "Veltrane Video Converter";
inline constexpr const char* kVersion = "6.0";
}  // namespace ProgramInfo
