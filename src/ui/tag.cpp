#include "ui/tag.h"

#include <QVariant>

namespace dutyloop {

namespace {
constexpr const char* kTagProperty = "Tag";
} // namespace

int Tag(const QObject* object) {
    // A widget never given a tag has no such property; the invalid QVariant reads as 0.
    return object->property(kTagProperty).toInt();
}

void SetTag(QObject* object, int tag) {
    object->setProperty(kTagProperty, tag);
}

} // namespace dutyloop
