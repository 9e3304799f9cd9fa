// Property lists as the program reads them (XML and binary, any nesting, a damaged store):
// every input ends in a value or an error, and a value read survives writing and reading in
// both forms.

#include <cstdlib>

#include "FuzzInput.h"
#include "common/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QString error;
    const QVariant value = PropertyList::fromData(FuzzInput::bytes(data, size), &error);
    if (!value.isValid()) return 0;
    for (const PropertyList::Format format :
         {PropertyList::Format::Xml, PropertyList::Format::Binary}) {
        const QByteArray written = PropertyList::toData(value, format, &error);
        if (written.isEmpty()) continue;
        if (!PropertyList::fromData(written, &error).isValid()) std::abort();
    }
    return 0;
}
