#include "app/CommandDispatcher.h"

#include "app/CommandTable.h"

const CommandEntry* FindCommand(int id) {
  for (const CommandEntry& entry : kCommandTable)
    if (entry.id == id) return &entry;
  return nullptr;
}

void CommandDispatcher::Register(int id, std::function<void()> handler) {
  handlers_[id] = std::move(handler);
}

bool CommandDispatcher::Dispatch(int id) const {
  const auto it = handlers_.find(id);
  if (it == handlers_.end() || !it->second) return false;
  it->second();
  return true;
}
