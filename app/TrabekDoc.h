#pragma once
// The empty document of the single-document frame: the program stores no documents, so there is
// nothing to hold and nothing to read or write.

#include "app/CommandTarget.h"

class QDataStream;

namespace ferrolab {

class CTrabekDoc : public CommandTarget {
public:
    // Reads and writes nothing.
    void Serialize(QDataStream& stream, bool storing);

    bool HasHandler(int) const override { return false; }
    bool OnCommand(int) override { return false; }
};

} // namespace ferrolab
