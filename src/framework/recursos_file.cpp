// The application resource file: the signature "TRecursosQOR" and the list of
// the application resources, the parameter resource among them.
#include "framework/abort_error.h"
#include "framework/parametres.h"
#include "framework/recursos.h"
#include "framework/user_prompt.h"
#include "model/file_stream.h"
#include "model/value_stream.h"

#include <cstring>
#include <filesystem>
#include <strings.h>

void TRecursosQOR::ReadResourceFile(TStream &stream)
{
    TReader reader(stream);
    std::string signature = reader.GetString();
    if (strcasecmp(signature.c_str(), kRecursosSignature) != 0 ||
        signature.size() != std::strlen(kRecursosSignature))
        throw ERecursosQOR("Stream is not a TRecursosQOR format");
    ReadRecursos(reader);
}

void TRecursosQOR::LoadFromFile(const std::string &path)
{
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error)) {
        TFileStream file(path, FileMode::OpenRead);
        ReadResourceFile(file);
    }
    LoadParametres();
}

void TRecursosQOR::LoadParametres()
{
    if (!ExistsRecurso(kParamResourceId))
        return;
    auto stream = GetRecursoStream(kParamResourceId);
    try {
        params_.LoadFromStream(stream.get());
    } catch (const std::exception &fault) {
        std::string question = std::string("Error al leer los Parámetros por defecto\nMensaje:\n") +
                               fault.what() + "\n" + "\n" + "Continuar?";
        if (!AskUserYesNo("SetRecursosQOR", question))
            throw EAbort();
    }
}

void TRecursosQOR::WriteResourceFile(TStream &stream) const
{
    TWriter writer(stream);
    writer.PutString(kRecursosSignature);
    WriteRecursos(writer, kFirstAppResource, 0);
}

void TRecursosQOR::SaveToFile(const std::string &path)
{
    TMemoryStream parameters;
    params_.SaveToStream(&parameters);
    AddRecurso({kParamResourceId, 0, kParamResourceName, kParamResourceType}, parameters);
    SaveFileSafely(path, [this](TStream &file) { WriteResourceFile(file); });
}
