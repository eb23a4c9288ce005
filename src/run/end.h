#pragma once
// The end of every run, the same for all exercises: it happens once only, and
// the players' results texts go into the results file of the exercise and
// level (when it keeps one). What the pupils see at the end (the summary, the
// menu again) is the form's part: exercises/common/runend.h.

#include "run/player.h"
#include "run/session.h"

#include <QString>

namespace run {

class RunEnd {
public:
    bool closed() const { return closed_; }
    // Call first thing when closing: false when the run was closed already.
    bool begin();

private:
    bool closed_ = false;
};

struct SaveResult {
    bool saved = true; // false: the block is not in the file
    QString fileName;  // the results file, empty when the run keeps none
};

// Appends the players' results texts to the session's results file, when it
// keeps one.
SaveResult saveResults(const Session& session, const Players& players);

} // namespace run
