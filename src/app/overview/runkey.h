#pragma once
// A run named by its place in its file. Records move in memory when the
// folder grows, so what lives longer than one use (a chart's points) keeps
// this and finds the record again when it is needed.

#include "record.h"

namespace overview {

struct RunKey {
    QString file;
    int block = 0;
    int player = 1;
    bool operator==(const RunKey&) const = default;
};

inline RunKey keyOf(const Record& run)
{
    return {run.file, run.block, run.player};
}

inline bool isRun(const Record& record, const RunKey& key)
{
    return record.block == key.block && record.player == key.player && record.file == key.file;
}

} // namespace overview
