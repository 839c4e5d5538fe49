#pragma once
// The service history as a command keeps it: opened unless --no-history; a history that cannot
// be opened (damaged, newer, not a history) is named once and the command goes on without it,
// so a restore on a vehicle never fails for the sake of the record.

#include "line.h"
#include "online.h"

#include "history/history_store.h"
#include "jobs/service_events.h"

#include <memory>
#include <optional>

namespace motiview::cli {

class Keeper {
  public:
    // Without `wanted` (a dry run) nothing is opened.
    explicit Keeper(const Online& o, bool wanted = true);
    Keeper(const Keeper&) = delete;
    Keeper& operator=(const Keeper&) = delete;

    // The history is open and in use.
    [[nodiscard]] bool on() const { return record_ != nullptr; }
    [[nodiscard]] ServiceRecord* record() { return record_.get(); }

    // Each stores what it is given; a failure is said once and the history is left alone for
    // the rest of the command.
    void pages(const ParameterSet& set, std::string_view source);
    void identify(const ParameterSet& hardware);
    // Reads the hardware page (the status first, for the user name) to know which controller a
    // test, a reset or a recording is about; a failure only means nothing is kept.
    void identify(Line& line, const Online& o);
    // A status frame: fault words that changed become events.
    void status(const Unit& frame);
    void event(const ServiceEvent& e);

  private:
    void failed(const Error& e);

    const Io& io_;
    std::unique_ptr<HistoryStore> store_;
    std::unique_ptr<ServiceRecord> record_;
};

} // namespace motiview::cli
