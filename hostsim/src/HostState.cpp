#include "HostState.h"

namespace zvhost {

namespace {

// "<>name" always names an interprocess variable, whichever operation asks.
std::u16string_view StripInterprocessMarker(std::u16string_view name, bool* interprocess) {
  if (name.size() > 2 && name.substr(0, 2) == u"<>") {
    *interprocess = true;
    return name.substr(2);
  }
  return name;
}

} // namespace

HostState& State() {
  static HostState state;
  return state;
}

Process* FindProcess(int32_t number) {
  auto& processes = State().fProcesses;
  auto it = processes.find(number);
  return it == processes.end() ? nullptr : it->second.get();
}

Process& CurrentProcess() {
  HostState& state = State();
  std::unique_ptr<Process>& slot = state.fProcesses[state.fCurrentProcess];
  if (!slot) {
    slot = std::make_unique<Process>(state.fCurrentProcess);
  }
  return *slot;
}

Variable* FindVariable(std::u16string_view name, bool interprocess) {
  name = StripInterprocessMarker(name, &interprocess);
  return interprocess ? State().fInterprocess.Find(name) : CurrentProcess().Variables().Find(name);
}

Variable& EnsureVariable(std::u16string_view name, bool interprocess) {
  name = StripInterprocessMarker(name, &interprocess);
  return interprocess ? State().fInterprocess.Ensure(name)
                      : CurrentProcess().Variables().Ensure(name);
}

} // namespace zvhost
