// The component stream ("COMPONENTS"): whatever loads writes and reads back the same.
#include "fuzz_harness.h"

#include "framework/components.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

namespace {

std::string Written(const TComponentsQOR &store)
{
    return ValueBytes([&](TWriter &writer) { store.WriteComponents(writer); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    TComponentsQOR store;
    TMemoryStream small(std::string_view("\x01\x02\x00", 3));
    TMemoryStream none;
    TMemoryStream big(std::string(400, '\x81'));
    store.AddComponent({1, 5, "Formulario"}, small);
    store.AddComponent({-7, 0, ""}, none);
    store.AddComponent({90000, 2, "Grande"}, big);
    return {Written(store)};
}

void FuzzOne(std::string_view data)
{
    TComponentsQOR store;
    TMemoryStream stream(data);
    try {
        TReader reader(stream);
        store.ReadComponents(reader);
    } catch (const Exception &) {
        // The components read before the fault stay.
    }
    std::string bytes = Written(store);
    TComponentsQOR back;
    TMemoryStream again(bytes);
    {
        TReader reader(again);
        back.ReadComponents(reader);
    }
    FuzzCheck(back.Count() == store.Count(), "written and read again, components were lost");
    FuzzCheck(Written(back) == bytes, "written and read again, the components changed");
}
