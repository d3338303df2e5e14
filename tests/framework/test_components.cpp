#include "framework/components.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Add(TComponentsQOR &store, int id, int type, const std::string &bytes)
{
    TMemoryStream source(bytes);
    return store.AddComponent({id, type, "C" + std::to_string(id)}, source);
}

} // namespace

TEST(Components, AddFetchListAndDelete)
{
    TComponentsQOR store;
    EXPECT_EQ(Add(store, 4, 1, "four"), 0);
    EXPECT_EQ(Add(store, 2, 2, ""), 1);
    EXPECT_EQ(Add(store, 9, 1, std::string("\x00\xFF", 2)), 2);
    try {
        Add(store, 2, 1, "again");
        FAIL();
    } catch (const EComponentsQOR &error) {
        EXPECT_STREQ(error.what(), "Duplicate IDComponents: 2");
    }
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.GetComponentStream(4)->Bytes(), "four");
    EXPECT_THROW(store.GetComponentStream(5), EComponentsQOR);
    EXPECT_EQ(store.ListComponents({1}).size(), 2u);
    EXPECT_EQ(store.ListComponents({}).size(), 3u);
    store.DeleteComponent(store.IndexOfComponent(4));
    EXPECT_FALSE(store.ExistsComponent(4));
    EXPECT_THROW(store.DeleteComponent(5), EListError);

    TMemoryStream stream;
    {
        TWriter writer(stream);
        store.WriteComponents(writer);
    }
    stream.SetPosition(0);
    TComponentsQOR back;
    {
        TReader reader(stream);
        back.ReadComponents(reader);
    }
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.GetComponentStream(9)->Bytes(), std::string("\x00\xFF", 2));
    EXPECT_EQ(back.ListComponents({2}).front(), (TComponentQOR{2, 2, "C2"}));

    stream.SetPosition(0);
    TReader reader(stream);
    EXPECT_THROW(back.ReadComponents(reader), EComponentsQOR); // identifiers already present
    back.ClearComponents();
    EXPECT_EQ(back.Count(), 0);
}
