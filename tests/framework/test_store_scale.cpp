// Resource and component lists of many entries read in linear time, and the
// identifier look-ups stay right through replacements and deletions.
#include "framework/components.h"
#include "framework/parametres.h"
#include "framework/recursos.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

TEST(StoreScale, ManyResourcesReadAndReplaceInPlace)
{
    constexpr int kCount = 50000;
    TMemoryStream list;
    {
        TParametres params;
        TRecursosQOR store(params);
        for (int i = 0; i <= kCount; ++i) {
            TMemoryStream bytes(i == kCount ? "last" : "x");
            store.AddRecurso({90000 + (i == kCount ? 7 : i), 0, "r", 1}, bytes);
        }
        EXPECT_EQ(store.Count(), kCount);
        TWriter writer(list);
        store.WriteRecursos(writer, 0, 0);
    }
    TParametres params;
    TRecursosQOR store(params);
    TMemoryStream old("old");
    store.AddRecurso({5, 0, "design", 0}, old);
    list.SetPosition(0);
    TReader reader(list);
    store.ReadRecursos(reader);
    ASSERT_EQ(store.Count(), kCount + 1);
    EXPECT_EQ(store.IndexOfRecurso(5), 0);
    EXPECT_EQ(store.IndexOfRecurso(90007), 8);
    EXPECT_EQ(store.GetRecursoStream(90007)->Bytes(), "last");
    EXPECT_EQ(store.IndexOfRecurso(90000 + kCount - 1), kCount);
    store.ClearRecursos();
    EXPECT_EQ(store.IndexOfRecurso(5), -1);
}

TEST(StoreScale, ManyComponentsReadAndDeleteKeepsLookUpsRight)
{
    constexpr int kCount = 50000;
    TMemoryStream list;
    {
        TComponentsQOR source;
        TMemoryStream bytes("c");
        for (int i = 0; i < kCount; ++i)
            source.AddComponent({i * 3, 1, "c"}, bytes);
        TWriter writer(list);
        source.WriteComponents(writer);
    }
    TComponentsQOR store;
    list.SetPosition(0);
    TReader reader(list);
    store.ReadComponents(reader);
    ASSERT_EQ(store.Count(), kCount);
    EXPECT_EQ(store.IndexOfComponent(3 * 1234), 1234);
    store.DeleteComponent(10);
    EXPECT_FALSE(store.ExistsComponent(30));
    EXPECT_EQ(store.IndexOfComponent(33), 10);
    EXPECT_EQ(store.IndexOfComponent(3 * (kCount - 1)), kCount - 2);
    TMemoryStream again("d");
    EXPECT_EQ(store.AddComponent({30, 2, "again"}, again), kCount - 1);
    EXPECT_THROW(store.AddComponent({33, 2, "dup"}, again), EComponentsQOR);
    store.ClearComponents();
    EXPECT_FALSE(store.ExistsComponent(33));
}
