#pragma once

#include "publishing/publish_connection.h"

namespace dutyloop {

// A folder of one iCalendar file per event ("vdir"), as khal reads it and vdirsyncer syncs it:
// "<UID>.ics", each written in one step by the program's one file-writing function. Only files
// whose event is ours are ever replaced or deleted; every other file stays as it is. A link
// under one of our names is replaced or deleted itself, never the file it leads to.
class VdirConnection : public PublishConnection {
public:
    explicit VdirConnection(QString folder);
    void discover(Discovered done) override;
    void send(const PublishStep& step, Sent done) override;
    QString hrefPrefix() const override { return QString(); }

private:
    QString m_folder;
};

} // namespace dutyloop
