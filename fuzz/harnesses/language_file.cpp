// Language files (.lng): a table that parses formats and parses back the same.
#include "fuzz_harness.h"

#include "framework/language_table.h"

std::vector<std::string> FuzzSeeds()
{
    TLanguageTable::Entries entries{{40003, "No es un formato de archivo válido"},
                                    {41001, "Nueva Combinación "},
                                    {50005, "ERROR:"},
                                    {65535, "tab\there \"quoted\" back\\slash\nline"}};
    return {TLanguageTable::Format(entries, "QOR-EuroMillon\nseed"), TLanguageTable::Format({})};
}

void FuzzOne(std::string_view data)
{
    std::string fault;
    auto table = TLanguageTable::Parse(data, &fault);
    if (!table) {
        FuzzCheck(!fault.empty(), "a refused file without a reason");
        return;
    }
    for (const auto &[id, text] : table->All())
        FuzzCheck(Utf8Prefix(text, TLanguageTable::kMaxTextCharacters).size() == text.size(),
                  "a text longer than the limit");
    auto back = TLanguageTable::Parse(TLanguageTable::Format(table->All()));
    FuzzCheck(back && back->All() == table->All(), "formatted and parsed again, the table changed");
}
