#pragma once

#include "ORXBlockDevice.h"

#include <QDBusMessage>
#include <QList>

#include <optional>

// Reads the answer of org.freedesktop.DBus.ObjectManager.GetManagedObjects on UDisks2
// (signature a{oa{sa{sv}}}) into block devices joined with their drives, in the order of the
// reply. A block the reply describes only in part (no device file, no size, a drive that is
// not in the reply, a property of an unexpected type) is left out; it never fails the whole.
class ORXUDisksReply
{
public:
    // nullopt when the message is no reply of that signature.
    static std::optional<QList<ORXBlockDevice>> parse(const QDBusMessage& reply);
};
