#pragma once

#include "draws/draw.h"
#include "draws/draw_info.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder under the system's temporary folder, removed afterwards.
class TTempFolder {
public:
    TTempFolder()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "qor-draws-XXXXXX").string();
        path_ = mkdtemp(templ.data()) ? templ : std::string();
    }
    ~TTempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;

    std::string Path(const std::string &name) const { return (std::filesystem::path(path_) / name).string(); }
    const std::string &Root() const { return path_; }

private:
    std::string path_;
};

inline std::string ReadFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Hex(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

// A draw of the given day with its numbers and stars; the rest left at 0.
inline TSorteoEuroMillonInfo MakeDraw(double fecha, TEuroMillonNumeros numeros, TEuroMillonNumeros estrellas,
                                      int32_t numero = 0)
{
    TSorteoEuroMillonInfo info;
    info.NumeroSorteo = numero;
    info.FechaSorteo = fecha;
    info.ApuestaGanadora.Numeros = std::move(numeros);
    info.ApuestaGanadora.Estrellas = std::move(estrellas);
    return info;
}

// The bytes of a draw file holding the draw: the edition's signature ("EMS0"
// classic, "EMS2" today's game) and its draw block.
inline std::string DrawFileBytes(const TSorteoEuroMillonInfo &info, TGameEdition edition = TGameEdition::Classic)
{
    TSorteoEuroMillon draw(edition);
    draw.SetInfo(info);
    TMemoryStream stream;
    stream.WriteBuffer(DrawFileSignature(edition), sizeof(TFileSignature));
    {
        TWriter writer(stream);
        draw.WriteToStream(stream, writer);
    }
    return stream.Bytes();
}
