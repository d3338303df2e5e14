#include "generator/wizard_conditions.h"

#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/generator_text_ids.h"
#include "model/format.h"

void ConstruirCondicionesAsistente(TEuroMillonGeneraComb &generacion, const TWizardConditions &eleccion)
{
    TEuroMillonCondicionGrupos &condiciones = generacion.Condiciones();
    condiciones.Clear();
    const TEuroMillonNumeros &seleccionados = generacion.Seleccion().Block(1).Values();

    // The two parity conditions share their record: the second one is the
    // first with other bounds, whether or not the first was chosen.
    TEuroMillonCondicionGrupo paridad = CondicionGrupoDefecto;
    paridad.Numeros = seleccionados;
    paridad.ParesMin = 2;
    paridad.Nombre = eleccion.NombreMinDosPares;
    if (eleccion.MinDosPares)
        condiciones.Add(paridad);
    if (eleccion.MaxTresPares) {
        paridad.ParesMin = 0;
        paridad.ParesMax = 3;
        paridad.Nombre = eleccion.NombreMaxTresPares;
        condiciones.Add(paridad);
    }
    if (eleccion.Max2EnDecena) {
        TEuroMillonCondicionGrupo decena = CondicionGrupoDefecto;
        decena.AciertosMax = 2;
        for (int d = 1; d <= 5; ++d) {
            decena.Numeros.clear();
            for (int value = 10 * d - 9; value <= 10 * d; ++value)
                decena.Numeros.push_back(value);
            decena.Nombre = FormatText(GetText(kTxtWizardMaxTwoInTen), {10 * d - 9, 10 * d});
            condiciones.Add(decena);
        }
    }
    if (eleccion.SumaNumeros) {
        TEuroMillonCondicionGrupo suma = CondicionGrupoDefecto;
        suma.Numeros = seleccionados;
        suma.SumMin = 120;
        suma.SumMax = 190;
        suma.Nombre = eleccion.NombreSuma;
        condiciones.Add(suma);
    }
}
