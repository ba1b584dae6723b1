#pragma once
// Maps command ids to handlers. Ids without a handler do nothing.
#include <functional>
#include <unordered_map>

class CommandDispatcher {
 public:
  void Register(int id, std::function<void()> handler);
  // Runs the handler of `id`; false when the id has none.
  bool Dispatch(int id) const;
  bool Has(int id) const { return handlers_.count(id) != 0; }

 private:
  std::unordered_map<int, std::function<void()>> handlers_;
};
