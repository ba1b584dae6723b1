#pragma once
// The message for an exception caught at the edge of an engine thread.
#include <exception>
#include <new>
#include <string>

namespace media {

inline std::string ExceptionText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return "Out of memory";
  } catch (const std::exception& e) {
    return std::string("Internal error: ") + e.what();
  } catch (...) {
    return "Internal error";
  }
}

}  // namespace media
