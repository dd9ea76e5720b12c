#pragma once

#include <optional>

#include "logic/pair_file.h"

namespace korvanta {

// Lets the user edit the job data of the pair; reached through the windows' Services.
class JobDataEditor {
public:
    virtual ~JobDataEditor() = default;
    // The edited job data, or none when the user cancelled.
    virtual std::optional<JobData> Edit(const JobData& job) = 0;
};

// A small modal dialog over the active window, which is held open until it is answered (HoldOpen).
// Every text is shown and taken as plain text, cleaned as the file keeps it (CleanJobText).
class JobDataDialog : public JobDataEditor {
public:
    std::optional<JobData> Edit(const JobData& job) override;
};

} // namespace korvanta
