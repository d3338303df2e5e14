// The program's own Spanish texts, sorted by identifier. Generated from the
// text list; the language files hold the same identifiers.
#include "framework/builtin_texts.h"

#include <algorithm>
#include <iterator>

static constexpr TBuiltinText kBuiltinTexts[] = {
    // Data model errors and the language message (40001 to 40005)
    {40001, "Máximo %d números en el bloque"},
    {40002, "Error index en la lista index: %d"},
    {40003, "No es un formato de archivo válido"},
    {40004, "La versión del archivo es superior a la actual, no se puede abrir"},
    {40005, "No se ha leído el paquete de idioma"},

    // Main window and combination window (41001 to 41172)
    {41001, "&Nueva Combinación "},
    {41002, "Crear una nueva Combinación"},
    {41003, "&Abrir combinación"},
    {41004, "Abrir una combinación guardada en disco"},
    {41005, "&Guardar combinación"},
    {41006, "Guardar la combinación en disco"},
    {41007, "G&uardar combinación como..."},
    {41008, "Guardar la combinación en disco con nuevo nombre"},
    {41009, "Generar &una combinación..."},
    {41010, "Generar una combinación (Condiciones, reducidas...)"},
    {41011, "&Imprimir Boletos..."},
    {41012, "Imprimir boletos oficiales o listados"},
    {41013, "Imprimir &Listado..."},
    {41014, "Primer boleto"},
    {41016, "Boleto anterior"},
    {41018, "Siguiente boleto"},
    {41020, "Último boleto"},
    {41021, "&Borrar apuestas"},
    {41022, "Borrar apuestas de la combinación"},
    {41023, "&Modificar combinación manual"},
    {41024, "Permitir modificar combinación manualmente"},
    {41025, "Guardar &apuestas modificadas"},
    {41026, "GUARDAR las apuestas modificadas Manualmente"},
    {41027, "Canc&elar apuestas modificadas"},
    {41028, "CANCELAR los cambios Manuales"},
    {41029, "Aña&dir Apuesta Aleatoria"},
    {41030, "Añadir una Apuesta Aleatoria"},
    {41035, "&Premios"},
    {41036, "Premios obtenidos por la combinación"},
    {41038, "Cambiar nombre de la combinación"},
    {41040, "Imp&ortar"},
    {41041, "Importar"},
    {41042, "E&xportar"},
    {41043, "Exportar"},
    {41044, "&Formato de Boleto euromillon"},
    {41045, "Formato &para editar"},
    {41057, "No está permitida la modificación manual"},
    {41059, "¿Desea activar la MODIFICACIÓN MANUAL?"},
    {41060, "Primero debe ACEPTAR o CANCELAR los cambios de la apuesta: %d"},
    {41061, "Debe marcar la PRIMER APUESTA EN BLANCO"},
    {41066, "La combinación ha sido modificada"},
    {41067, "¿Guardar la combinación?"},
    {41068, "El archivo ya existe:"},
    {41069, "¿Seguro que desea guardar en este archivo?"},
    {41070, "Se insertarán un total de %d apuestas a la combinación"},
    {41071, "La apuesta %d ha sido modificada manualmente"},
    {41072, "¿Desea guardar la apuesta?"},
    {41073, "Ocurrió un error al guardar la apuesta"},
    {41074, "La apuesta no tiene marcados los %d números necesarios"},
    {41075, "El texto '%s' no corresponde a una apuesta válida"},
    {41080, "Apuesta"},
    {41081, "Números"},
    {41090, "Se han copiado %d apuesta/s al portapapeles"},
    {41091, "Se pegarán %d apuesta/s del portapapeles \r\n \r\n¿Continuar?"},
    {41101, "&Archivo"},
    {41102, "&Combinación"},
    {41103, "&Imprimir"},
    {41104, "A&yuda"},
    {41105, "&Cerrar la aplicación"},
    {41106, "&Manuales de la aplicación"},
    {41107, "&Ayuda 'On-Line'"},
    {41108, "Nombre combinación:"},
    {41110, "Total apuestas:"},
    {41111, "Boletos:"},
    {41112, "&Ventana"},
    {41113, "Opciones"},
    {41114, "&Vista"},
    {41120, "Archivos Apuestas EuroMillon (*.aem)|*.aem|Todos los Archivos (*.*)|*.*"},
    {41160, "Nombre combinación"},
    {41161, "Indicar nuevo nombre:"},
    {41170, "El archivo de ayuda no se encuentra:"},
    {41171, "Puede obtener la ayuda en la página web del programa"},
    {41172, "¿Desea acceder a la página web para descargar la ayuda?"},

    // Delete-bets dialog (41300 to 41352)
    {41300, "Borrar apuestas..."},
    {41301, "Desde la apuesta:"},
    {41302, "Hasta la apuesta:"},
    {41350, "Los números introducidos no son válidos"},
    {41351, "La apuesta máxima es la %d"},
    {41352, "La apuesta DESDE es mas grande que HASTA"},

    // Generator window and generation progress (41500 to 41645)
    {41500, "Combinación 'EuroMillon'"},
    {41501, "Números Seleccionados"},
    {41502, "Números:"},
    {41503, "Estrellas:"},
    {41504, "Apuestas posibles:"},
    {41505, "Reducida"},
    {41506, "Grupos de condiciones"},
    {41507, "Si usted aplica una REDUCCIÓN, significa que tendrá GARANTIZADO un premio de categoría inferior "
            "(por ejemplo: \"Reducida a 1 Fallo\" significa que si usted acierta 5 números, tendrá "
            "garantizado premio de 4 números, y así sucesivamente)"},
    {41508, "La principal ventaja de las reducidas es que con muchas menos apuestas, cubre una gran variedad "
            "de números, permitiendo así obtener muchos premios distintos."},
    {41509, "Reducción Bloque 1:"},
    {41510, "Reducción Bloque 2:"},
    {41511, "Las condiciones permiten \"filtrar\" sólamente aquellas apuestas que cumplen unos requisitos "
            "concretos, ayudando así a disminuir las apuestas resultantes."},
    {41513, "Condiciones:"},
    {41514, "Apuestas Generadas"},
    {41515, "Que cumplen la condición"},
    {41516, "Total apuestas válidas"},
    {41517, "Sin reducción"},
    {41518, "Reducción Global"},
    {41519, "Reducción por bloques"},
    {41520, " Tipo de Reducción aplicada: "},
    {41521, "No ha seleccionado el tipo de reducción a aplicar"},
    {41522, "&Archivo"},
    {41523, "&Leer de archivo"},
    {41524, "&Guardar en archivo"},
    {41525, "&Cerrar"},
    {41526, "Archivo generación de combinación"},
    {41527, "Archivos Generación Apuestas (*.gem)|*.gem|Todos los Archivos (*.*)|*.*"},
    {41528, "Archivo Generación Apuestas guardado en:"},
    {41531, "(Sin nombre)"},
    {41535, "PROCESO FINALIZADO"},
    {41540, "Numeros"},
    {41541, "&Condiciones"},
    {41550, "&Añadir"},
    {41551, "Añadir condición"},
    {41552, "&Borrar"},
    {41553, "Borrar condición"},
    {41554, "&Modificar"},
    {41555, "Modificar condición"},
    {41556, "&Aceptar"},
    {41557, "Aceptar las apuestas generadas e insertarlas a la combinación"},
    {41558, "&Procesar"},
    {41559, "Procesar la combinación aplicando los números seleccionados y las reducciones/condiciones"},
    {41590, "Sin reducción (Sin fallos)"},
    {41591, "Reducida al 4 (1 fallo)"},
    {41592, "Reducida al 3 (2 fallos)"},
    {41593, "Reducida al 2 (3 fallos)"},
    {41594, "Reducida al 1 (4 fallos)"},
    {41595, "Sin reducción (Sin fallo)"},
    {41596, "Reducida al 1 (1 fallo)"},
    {41600, "Sin Reducción (Sin fallos)"},
    {41601, "1 Fallo"},
    {41602, "2 Fallos"},
    {41603, "3 Fallos"},
    {41604, "4 Fallos"},
    {41605, "5 Fallos"},
    {41610, "B"},
    {41611, "Nombre"},
    {41620, "Aciert"},
    {41621, "%Ac."},
    {41630, "Primero debe seleccionar números de la apuesta"},
    {41631, "¿Seguro que desea BORRAR la condición?"},
    {41632, "¿Cancelar el proceso?"},
    {41633, "No ha seleccionado suficientes números para procesar"},
    {41634, "Proceso cancelado por el usuario"},
    {41640, "NINGUNA APUESTA ES VÁLIDA\r\n \r\nEs posible que tenga introducida una CONDICIÓN que NO "
            "PERMITE\r\ngenerar ninguna apuesta válida, por favor, revise las condiciones\r\nintroducidas y "
            "rectifique los valores"},
    {41645, "El proceso ha finalizado\r\n \r\nSe han encontrador un total de %d apuestas\r\nsobre el total "
            "de %d apuestas posibles"},

    // New-combination wizard (41700 to 41733)
    {41700, "Nueva combinación"},
    {41701, "Paso %d"},
    {41702, " Seleccione la opción deseada: "},
    {41703, "Generar una Combinación utilizando el asistente"},
    {41704, "Generar una Combinación de forma avanzada"},
    {41705, "Rellenar directamente sobre un boleto en blanco"},
    {41706, "No ha seleccionado ninguna opción"},
    {41707, "Debe marcar un mínimo de %d números en el bloque %d"},
    {41710, "¿Qué desea?"},
    {41711, "Indicar los numeros de la combinación"},
    {41712, "Indicar la reducción a aplicar"},
    {41713, "Indicar condiciones"},
    {41715, "Aquí debe indicar los números sobre los que realizará la combinación.\r\n \r\nDebe marcar un "
            "mínimo de 5 números del bloque 1, y un mínimo de 2 estrellas\r\n \r\nNOTA: Cuantos más números "
            "marque, más apuestas tendrá la combinación resultante"},
    {41716, "Si usted aplica una REDUCCIÓN, significa que tendrá GARANTIZADO un premio de categoría "
            "inferior\r\nLa principal ventaja de las reducidas es que con muchas menos apuestas, cubre una "
            "gran variedad de números, permitiendo así obtener muchos premios distintos.\r\n***** Tipos de "
            "Reducciones *****\r\nReducción Global: En este caso los fallos se contabilizan de entre los 7 "
            "números de una apuesta simple (5 del bloque de números y 2 de las estrellas)\r\nReducción por "
            "Bloques: De cada bloque selecciona si permite o no fallos, y cuantos permite."},
    {41717,
     "Las CONDICIONES permiten aplicar filtros a las apuestas para indicar que se deben cumplir una serie de "
     "condiciones concretas.\r\n \r\nEjemplos:\r\n- Es poco probable que aparezcan todos los números entre "
     "el 1 y 10 (o entre 11 y 20, o todos entre 21 y 30...) de modo que podemos aplicar una condición para "
     "evitar que esto ocurra, evitando así apuestas.\r\n- Normalmente salen números pares y nones, casi "
     "nunca todos los numeros son pares, o todos nones. De este modo podemos aplicar otra condición..."},
    {41720, "Limitar a que la suma de los números del bloque 1 sea entre 120 y 190"},
    {41721, "Debe haber un mínimo de 2 números pares en el bloque 1"},
    {41722, "Debe haber un máximo de 3 números pares en el bloque 1"},
    {41723, "Máximo 2 numeros dentro de una misma decena"},
    {41724, "Máximo 2 numeros entre el %d y el %d"},
    {41730, "Nº aleatorio"},
    {41731, "Estrella Aleatoria"},
    {41732, "Faltan"},
    {41733, "Reducción bloque"},

    // Prizes window, draw actions and the options menu (41800 to 41922)
    {41800, "Premios"},
    {41801, "Cat."},
    {41802, "Importe"},
    {41803, "C"},
    {41804, "Total"},
    {41805, "Sorteo:"},
    {41806, "Desglose Premios"},
    {41807, "Total Premios"},
    {41808, "Importe combinación"},
    {41809, "Importe premios"},
    {41810, "Beneficio obtenido"},
    {41811, "Porcentaje beneficio"},
    {41812, "Apuestas Premiadas"},
    {41813, "Apuesta"},
    {41814, "Boleto"},
    {41815, "Premio"},
    {41816, "Cantidad"},
    {41851, "Crear Nuevo Sorteo"},
    {41853, "Modificar Sorteo"},
    {41854, "&Procesar..."},
    {41855, "Procesar la combinación"},
    {41880, "Ya existe un sorteo para esta fecha"},
    {41885, "Enhorabuena"},
    {41886, "Tiene PREMIOS por valor de "},
    {41888, "La combinación no tiene premios para este sorteo"},
    {41900, "Opciones..."},
    {41901, "&Idioma"},
    {41910, "&Español"},
    {41911, "&Inglés"},
    {41912, "&Francés"},
    {41920, "&Tipo Boleto:"},
    {41921, "&España"},
    {41922, "&Francia"},

    // Draw editor (42000 to 42104)
    {42000, "Sorteo"},
    {42001, "Número sorteo"},
    {42002, "Fecha sorteo"},
    {42003, "Recaudación"},
    {42004, "Para premios"},
    {42050, "Cat."},
    {42051, "Acertantes"},
    {42052, "Importe"},
    {42100, "Valor numérico no válido"},
    {42101, "La fecha del sorteo debe ser VIERNES"},
    {42102, "¿Continuar y aceptar esta fecha?"},
    {42103, "Número de sorteo no válido"},
    {42104, "La apuesta marcada no es válida"},

    // Group condition editor (42200 to 42261)
    {42200, "Condición Grupo"},
    {42201, "Condición ACTIVA"},
    {42202, "Bloque"},
    {42203, "Suma de los numeros válidas:"},
    {42204, "Mín"},
    {42205, "Máx"},
    {42206, "Aciertos que se deben cumplir:"},
    {42207, "Bloque Números"},
    {42208, "Bloque Estrellas"},
    {42209, "Cantidad de numeros Pares:"},
    {42210, "Cantidad de numeros Impares:"},
    {42211, "&Marcar todos"},
    {42212, "&Borrar todos"},
    {42215, "Estas condiciones se aplican a los números coincidentes:"},
    {42216, "(no a todos los de la apuesta, sólo los iguales a los marcados)"},
    {42218, "Nombre de la condición:"},
    {42250, "- Los siguientes numeros: "},
    {42251, "   no se encuentran en la combinación, esto puede"},
    {42252, "   provocar errores en el cálculo de las condiciones"},
    {42253, "- No ha seleccionado NINGUN NUMERO"},
    {42254, "- Ha introducido un valor MAXIMO igual a 0"},
    {42255, "- La cantidad mínima de aciertos es MAYOR que los numeros seleccionados."},
    {42256, "   Esta condición NO SE CUMPLIRÁ NUNCA"},
    {42258, "Atención, se han encontrado los siguientes Errores:"},
    {42259, "¿Desea confirmar estos valores?"},
    {42261, "- Alguno de los valores MAXIMOS es inferior al MINIMO, revise los valores"},

    // Print window (42400 to 42491)
    {42400, "Imprimir combinación..."},
    {42401, " Formato del boleto: "},
    {42402, "Crear Boleto &Automático"},
    {42403, "Boleto &Guardado"},
    {42404, "I&mportar archivo"},
    {42405, "Imprimir en Modo Test"},
    {42406, "Boletos"},
    {42407, "Listados"},
    {42410, "&Imprimir..."},
    {42412, "&Diseñar"},
    {42413, "Abre el DISEÑADOR VISUAL para que pueda Modificar el boleto/listado"},
    {42414, "País del Boleto:"},
    {42415, "Listados disponibles:"},
    {42420, "Boletos FRF (*.frf)|*.frf|Todos los archivos (*.*)|*.*"},
    {42440, "No ha seleccionado Archivo"},
    {42441, "El archivo no existe: "},
    {42442, "Falta seleccionar formato"},
    {42443, "Este archivo ya se encuentra en la carpeta"},
    {42444, "Error al copiar el archivo"},
    {42445, "No ha seleccionado el PAIS del boleto"},
    {42490, "España"},
    {42491, "Francia"},

    // Window menu (43000 to 43004)
    {43000, "&Organiza en cascada"},
    {43001, "Organiza &en horizontal"},
    {43002, "Organiza en &vertical"},
    {43003, "&Minimiza todos"},
    {43004, "&Alinea minimizados"},

    // Import, export and draw update (43101 to 43127)
    {43101, "Archivo:"},
    {43102, "Información del Archivo:"},
    {43103, "&Seleccionar Archivo"},
    {43104, "&Importar"},
    {43105, "El archivo contiene %d lineas"},
    {43106, "Encontradas %d apuestas válidas"},
    {43107, "Se han importado un total de %d apuestas a la combinación"},
    {43108, "Encontradas %d lineas en blanco"},
    {43109, "Encontradas %d lineas con apuesta válida"},
    {43110, "Encontradas %d lineas de comentarios"},
    {43111, "Encontradas %d lineas con errores"},
    {43112, "Archivo de Texto *.txt|*.txt|Todos los archivos *.*|*.*"},
    {43113, "Ya existe un archivo con el mismo nombre:\r\n%s\r\n¿Continuar y sobreescribir el archivo?"},
    {43114, "El archivo ha sido guardado\r\n%s"},
    {43115, "&Exportar"},
    {43117, "Leídos y actualizados %d sorteos a la base de datos de sorteos"},
    {43118, "Total Sorteos:"},
    {43119, "Hasta el"},
    {43120, "Fecha"},
    {43121, "Sorteos Procesados"},
    {43122, "Carácter separador de números"},
    {43123, "Carácter separador de bloques"},
    {43125, " Tipo de exportación: "},
    {43126, "Archivo de texto"},
    {43127, "Exportar a EXCEL"},

    // Shell additions: opening, paging, language code (45000 to 45099)
    {45000, "Abriendo %s..."},
    {45001, "&Ir al boleto..."},
    {45002, "Ir a un boleto por su número"},
    {45003, "Ir al boleto"},
    {45004, "Número de boleto (1 a %d):"},
    {45005, "El número de boleto debe estar entre 1 y %d"},
    {45006, "es"},
    {45007, "No se ha podido abrir:"},
    {45010, "Garantía"},

    // Game dates, prize check progress and winning-bet pages (45100 to 45112)
    {45100, "El sorteo del %s es anterior al primer sorteo de EuroMillones (13/02/2004)"},
    {45101, "El sorteo del %s es del juego actual: el juego clásico terminó con el sorteo del 06/05/2011"},
    {45102, "Sorteos del juego actual (posteriores al 06/05/2011), no importados: %d"},
    {45103, "Comprobando los premios..."},
    {45104, "Primera página"},
    {45105, "Página anterior"},
    {45106, "Página siguiente"},
    {45107, "Última página"},
    {45108, "Ir a la página (Intro)"},
    {45109, "Página %s de %s"},
    {45110, "Apuestas premiadas %s a %s de %s"},
    {45111, "Coste por sorteo: %s"},
    {45112, "%s (%d sorteos)"},

    // Saving in place, kept copies (45140 to 45144)
    {45140, "No se ha podido escribir %s; su contenido anterior se ha vuelto a poner."},
    {45141, "No se ha podido escribir %s ni volver a poner su contenido anterior, que se conserva en:\r\n%s"},
    {45142, "Una grabación de %s no terminó. El contenido anterior del archivo se conserva "
            "en:\r\n%s\r\n\r\n¿Volver a poner ese contenido en el archivo?\r\nSí: volver a ponerlo. No: "
            "descartar la copia. Cancelar: decidirlo en otro inicio."},
    {45143, "Se ha vuelto a poner el contenido anterior de %s."},
    {45144, "No se ha podido volver a poner el contenido anterior de %s:"},

    // Draw import, profit chart (45200 to 45228)
    {45200, "Importar sorteos..."},
    {45201, "Importar sorteos de archivos de sorteo (*.ems) o del histórico de sorteos (*.csv)"},
    {45202, "Sorteos e históricos (*.ems;*.csv)|*.ems;*.csv|Archivos de sorteo (*.ems)|*.ems|Histórico de "
            "sorteos (*.csv)|*.csv|Todos los archivos (*.*)|*.*"},
    {45203, "Sorteos leídos: %d\r\nAñadidos: %d\r\nReemplazados: %d"},
    {45204, "Total sorteos en la base de datos: %d"},
    {45205, "Sorteos descartados (estrellas fuera de 1 a 9): %d"},
    {45206, "Líneas o archivos con errores, no importados: %d"},
    {45207, "%s, línea %d: %s"},
    {45208, "... y %d más"},
    {45220, "Gráfico"},
    {45221, "Coste acumulado"},
    {45222, "Premios acumulados"},
    {45223, "Beneficio"},
    {45224, "&Guardar gráfico..."},
    {45225, "Imagen PNG (*.png)|*.png"},
    {45226, "Coste, premios y beneficio por sorteo"},
    {45227, "No se pudo guardar la imagen:\r\n%s"},
    {45228, "Coste de %d sorteos: %s"},

    // Corrections found in use: workbook with no program, manual with no
    // viewer, closing a combination window (45230 to 45269)
    {45230, "Ningún programa de hojas de cálculo puede abrir el libro.\r\n¿Desea guardarlo en un archivo?"},
    {45231, "No se ha encontrado ningún visor de PDF para abrir el manual. El archivo está en:"},
    {45232, "&Cerrar la ventana de la combinación"},

    // Report engine and its preview window (45300 to 45325)
    {45300, "La plantilla de informe está dañada"},
    {45301, "El informe tiene demasiadas páginas"},
    {45302, "Tamaño de papel no válido"},
    {45310, "Vista previa"},
    {45311, "Primera página"},
    {45312, "Página anterior"},
    {45313, "Página siguiente"},
    {45314, "Última página"},
    {45315, "Página %d de %d"},
    {45316, "Ampliar"},
    {45317, "Reducir"},
    {45318, "Imprimir..."},
    {45319, "Guardar PDF..."},
    {45320, "Archivos PDF (*.pdf)|*.pdf"},
    {45321, "No se ha podido escribir el archivo PDF: "},
    {45322, "Cerrar"},
    {45323, "Página entera"},
    {45324, "Ancho de página"},
    {45325, "El informe no tiene páginas"},

    // The guarantee's odds over the whole game (45330 to 45369)
    {45330, "En todo el juego"},
    {45331, "Probabilidad"},
    {45332, "1 entre %s"},
    {45333, "%s sorteos en todo el juego"},
    {45334, "Algún premio en un sorteo: %s (1 entre %s)"},
    {45335, "Apuestas premiadas por sorteo, de media: %s"},
    {45336,
     "Premios por sorteo, de media, a los premios medios del archivo de sorteos: %s; coste de un sorteo: %s"},
    {45337, "Premios por sorteo: el archivo de sorteos no tiene premios; coste de un sorteo: %s"},
    {45338, "Ninguna combinación cambia lo que se espera ganar por apuesta"},
    {45339, "Sorteos de la selección"},

    // Print window: number conversion, offset hints; report designer (45400 to 45441)
    {45400, "'%s' no es un valor numérico válido"},
    {45401,
     "Desfase horizontal de toda la impresión en mm: un valor positivo la mueve hacia la derecha de la hoja"},
    {45402, "Desfase vertical de toda la impresión en mm: un valor positivo la mueve hacia abajo en la hoja"},
    {45410, "Diseñador de informes"},
    {45411, "Texto"},
    {45412, "Casilla"},
    {45413, "Imagen..."},
    {45414, "Banda"},
    {45415, "Eliminar"},
    {45416, "Deshacer"},
    {45417, "Rehacer"},
    {45418, "Guardar"},
    {45419, "Guardar como..."},
    {45420, "Abrir..."},
    {45421, "Nombre"},
    {45422, "Expresión"},
    {45423, "Fuente"},
    {45424, "Tamaño"},
    {45425, "Negrita"},
    {45426, "Cursiva"},
    {45427, "Alineación"},
    {45428, "Marco"},
    {45429, "Izquierda"},
    {45430, "Arriba"},
    {45431, "Ancho"},
    {45432, "Alto"},
    {45433, "Izquierda"},
    {45434, "Derecha"},
    {45435, "Centrado"},
    {45436, "Imágenes PNG (*.png)|*.png"},
    {45437, "¿Guardar los cambios de la plantilla?"},
    {45438, "Izq."},
    {45439, "Sup."},
    {45440, "Der."},
    {45441, "Inf."},

    // Draw results from the Internet (45450 to 45471)
    {45450, "Actualizar &sorteos desde Internet"},
    {45451, "Descargar los resultados oficiales y añadir los sorteos nuevos a la base de datos de sorteos"},
    {45452, "&Buscar sorteos nuevos al iniciar"},
    {45453,
     "Una vez al día, al iniciar, descargar los resultados cuando el último sorteo tenga más de 4 días"},
    {45454, "&Dirección de los sorteos..."},
    {45455, "Dirección del archivo de resultados (zip o csv); vacía para la oficial:"},
    {45456, "Descargando sorteos de %s..."},
    {45457,
     "Sorteos nuevos: %d\r\nReemplazados: %d\r\nRechazados: %d\r\nTotal sorteos en la base de datos: %d"},
    {45458, "No se han actualizado los sorteos; la base de datos de sorteos no ha cambiado."},
    {45459, "La descarga no es un archivo zip"},
    {45460, "El archivo zip está dañado o incompleto: %s"},
    {45461, "El archivo zip no contiene ningún archivo CSV"},
    {45462, "El servidor ha enviado una página web (HTML), no el archivo de resultados"},
    {45463, "La descarga supera el tamaño máximo de %d MB"},
    {45464, "El archivo no tiene el formato de los resultados de EuroMillones: %s"},
    {45465, "El archivo no contiene ningún sorteo"},
    {45466, "El servidor no ha respondido en %d segundos"},
    {45467, "Descarga cancelada"},
    {45468, "Sorteos descargados de %s"},
    {45469, "La descarga está vacía"},
    {45470, "Sorteos actualizados desde Internet: %d nuevos, %d en total"},
    {45471, "No se ha podido buscar sorteos nuevos: %s"},

    // Spreadsheet workbook export and progress of long imports and exports (45500 to 45505)
    {45500, "&Guardar como libro..."},
    {45501, "Libro de Excel *.xlsx|*.xlsx|Todos los archivos *.*|*.*"},
    {45502, "Ningún programa ha podido abrir el libro, que se ha guardado en:\r\n%s\r\n¿Desea guardarlo en "
            "otro lugar?"},
    {45503, "Una hoja de cálculo admite como máximo %d filas y la combinación tiene %d apuestas"},
    {45504, "Leyendo el archivo..."},
    {45505, "Escribiendo el libro..."},

    // Window texts in every language (45510 to 45599)
    {45510, "Apuesta: %d"},
    {45511, "(Nueva)"},
    {45512, "Generando..."},
    {45513, "Desfase x"},
    {45514, "Desfase y"},
    {45516, "La apuesta no tiene marcadas las %d estrellas necesarias"},
    {45517, "Memoria insuficiente"},
    {45520, "Carpeta"},
    {45521, "Archivo"},
    {45522, "Unidad"},
    {45523, "Acceso directo"},
    {45524, "Archivo %1"},
    {45530, "&Aceptar"},
    {45531, "&Cancelar"},
    {45532, "&Siguiente"},
    {45533, "&Atras"},
    {45534, "&Finalizar"},
    {45535, "Activa/Desactiva"},

    // Command-line companion: errors, results, general help (45536 to 45599)
    {45536, "orden desconocida '%s' (pruebe --help)"},
    {45537, "opción desconocida '%s' (pruebe '%s --help')"},
    {45538, "la opción '%s' necesita un valor"},
    {45539, "'%s': un argumento de más (pruebe '%s --help')"},
    {45540, "no se ha indicado ningún archivo de combinación (pruebe '%s --help')"},
    {45541, "no se ha indicado ningún archivo de texto (pruebe '%s --help')"},
    {45542, "no se ha indicado ningún archivo CSV (pruebe '%s --help')"},
    {45543, "no se ha indicado ningún archivo de idioma (pruebe '%s --help')"},
    {45544, "--edition necesita un valor: classic o current"},
    {45545, "edición desconocida '%s' (classic o current)"},
    {45546, "'%s' no es un valor ni un intervalo como 1-10"},
    {45547, "%d está fuera de %d a %d"},
    {45548, "el guardado de %s no terminó; su contenido anterior se conserva en %s"},
    {45549, "no se puede leer el archivo de idioma %s; los textos siguen en español"},
    {45550, "no se puede abrir el archivo"},
    {45551, "no se puede crear el archivo"},
    {45552, "error de lectura: el archivo está cortado o dañado"},
    {45553, "error de escritura"},
    {45554, "el archivo contiene un valor no válido"},
    {45555, "no existe ese archivo de sorteos"},
    {45556, "'%s' no es un precio"},
    {45557, "'%s' no es una fecha de la forma AAAA-MM-DD"},
    {45558, "Combinación: %s (%d apuestas, %s)"},
    {45559, "Sorteos: %d"},
    {45560, " (%s a %s)"},
    {45561, "Aciertos: %d"},
    {45562, "Categoría"},
    {45563, "Aciertos"},
    {45564, "Total"},
    {45565, "Total de premios: %s"},
    {45566, "Precio por sorteo: %s"},
    {45567, "Coste de %d sorteo: %s"},
    {45568, "Coste de %d sorteos: %s"},
    {45569, "Beneficio: %s"},
    {45570, "Porcentaje de beneficio: %s"},
    {45571, "Apuestas premiadas:"},
    {45572, "%s (%d apuestas, ningún sorteo comprobado)"},
    {45573, "%s (%d apuesta a %s)"},
    {45574, "%s (%d apuestas a %s)"},
    {45575, " en %d sorteo"},
    {45576, " en %d sorteos"},
    {45577, "Archivo de sorteos: %s"},
    {45578, "Leídos: %d"},
    {45579, "Añadidos: %d"},
    {45580, "Reemplazados: %d"},
    {45581, "Descartados: %d"},
    {45582, "Del juego actual: %d"},
    {45583, "Excluidos: %d"},
    {45584, "%s, línea %d: %s"},
    {45585, "--timeout necesita un número entero de segundos, 1 o más"},
    {45586, "Descargando %s"},
    {45587, "sorteos no actualizados, %s se deja como estaba:"},
    {45588, "Origen: %s"},
    {45589, "Rechazado: %s, línea %d: %s"},
    {45590, "Rechazado: %s: %s"},
    {45591,
     "la selección tiene %d números y %d estrellas; una apuesta necesita al menos 5 números y 2 estrellas"},
    {45592, "la selección es demasiado grande para optimizar; se mantiene la reducción sin optimizar"},
    {45593, "las apuestas halladas no superan la comprobación de cobertura; no se ha escrito nada"},
    {45594, "ninguna apuesta cumple las condiciones de grupo; no se ha escrito nada"},
    {45595, "optimizando: %d apuestas (sin optimizar %d)  %s de %s s"},
    {45596, "'%s' no es un nivel de 1 a 7"},
    {45597, "'%s' no es N,S con N de 1 a 5 y S de 1 a 2"},
    {45598, "'%s' no es un número de segundos de 0 a 86400"},
    {45599, "'%s' no es un número entero de 0 o más"},

    // Guarantee window and the combination window's guarantee command (45600 to 45622)
    {45600, "&Garantía..."},
    {45601, "Premio que la combinación garantiza y sorteos de cada categoría"},
    {45602, "Garantía de la combinación"},
    {45603, "Categoría"},
    {45604, "Sorteos"},
    {45605, "%"},
    {45606, "Sin premio"},
    {45607, "Premio garantizado: %s"},
    {45608, "Sin sorteos en la selección"},
    {45609, "%s sorteos de %d números y %d estrellas, %s apuestas"},
    {45610, "Todos los sorteos de la selección"},
    {45611, "Por números acertados de la selección"},
    {45612, "Aciertan %d"},
    {45613, "Garantizado"},
    {45614, "Primeros sorteos con el peor resultado"},
    {45615, "Calculando la garantía..."},
    {45616, "Números:"},
    {45617, "Estrellas:"},
    {45618, "&Calcular"},
    {45619, "C&errar"},
    {45620, "La selección necesita al menos 5 números y 2 estrellas"},
    {45621, "Lista de valores no válida: %s"},
    {45622, "Cálculo cancelado"},

    // Command-line companion: errors and the help of each command (45630 to 45699)
    {45630, "--global y --blocks se excluyen"},
    {45631, "--seed necesita --optimize"},
    {45632, "no se ha indicado el archivo de salida (-o OUT.aem)"},
    {45633,
     "la selección tiene %d números y %d estrellas; un sorteo necesita al menos 5 números y 2 estrellas"},
    {45634, "--archive va con --odds (pruebe '%s --help')"},
    {45635, "ninguna apuesta en %d líneas; no se ha escrito nada"},
    {45636, "indique --text OUT.txt o --xlsx OUT.xlsx"},
    {45637, "los separadores solo valen con --text"},
    {45638, "el nombre del archivo de salida está vacío"},
    {45639, "--country debe ser ES o FR"},
    {45640, "--rotation debe ser 0, 90, 180 o 270"},
    {45641, "--offset debe ser DX,DY en milímetros, por ejemplo 1.5,-2"},
    {45642, "no se ha indicado el archivo PDF (--pdf OUT.pdf)"},
    {45643, "la combinación no tiene apuestas: nada que imprimir"},
    {45644, "el boleto automático del juego actual aún no está disponible: imprima con --template FILE.frf"},
    {45645, "%d páginas escritas en %s"},
    {45646, "no es un archivo de idioma: %s"},
    {45647, "%d textos, correcto"},
    {45648, "conservadas %d"},
    {45650, "comprueba una combinación con los sorteos de un intervalo de fechas"},
    {45651, "comprueba archivos de idioma con los textos del programa"},
    {45652, "escribe las apuestas de una combinación como texto o como libro"},
    {45653, "genera apuestas de una selección en un archivo de combinación"},
    {45654, "lo que una combinación garantiza sobre una selección"},
    {45655, "lee las apuestas de un archivo de texto en un archivo de combinación"},
    {45656, "añade historiales de sorteos publicados (CSV) a un archivo de sorteos"},
    {45657, "imprime una combinación en boletos en un archivo PDF"},
    {45658, "muestra el nombre y las apuestas de un archivo de combinación"},
    {45659, "descarga los resultados de los sorteos y los añade a un archivo de sorteos"},
    {45660, "Uso: qor-euromillon-cli ORDEN [OPCIONES]\n"
            "\n"
            "Órdenes:\n"},
    {45661, "\n"
            "Cada orden admite --edition classic|current: el juego que siguen sus archivos\n"
            "y selecciones. Las órdenes que crean archivos (generate, import, import-draws)\n"
            "usan classic, estrellas 1-9, por omisión; current es estrellas 1-12.\n"
            "Las órdenes que leen una combinación (show, check, export, print, guarantee)\n"
            "siguen el juego que indica el archivo, y rechazan un archivo de otro juego que\n"
            "el de un --edition indicado.\n"},
    {45662, "\n"
            "-- termina las opciones: cada argumento que le sigue es un nombre de archivo,\n"
            "aunque empiece por un guion (qor-euromillon-cli show -- -guion.aem).\n"},
    {45663, "\n"
            "Ejecute 'qor-euromillon-cli ORDEN --help' para las opciones de una orden.\n"},
    {45664, "Uso: qor-euromillon-cli show FILE.aem\n"
            "\n"
            "Escribe el nombre de la combinación en la primera línea, con sus caracteres de\n"
            "control escapados (un salto de línea como \\n, una barra inversa como \\\\), y\n"
            "después cada apuesta como 03.15.27.41.50-02.09, una por línea. El archivo se lee\n"
            "en el juego que indica (estrellas 1-12 en el juego actual); un --edition de otro\n"
            "juego lo rechaza.\n"},
    {45665,
     "Uso: qor-euromillon-cli check FILE.aem [--archive FILE.emx] [--from AAAA-MM-DD] [--to AAAA-MM-DD]\n"
     "     [--price IMPORTE] [--summary]\n"
     "Comprueba cada apuesta de una combinación con los sorteos de un intervalo de\n"
     "fechas (ambos días incluidos; todo el archivo por omisión) de un archivo de\n"
     "sorteos (el del programa para la edición si no se da --archive), y escribe los\n"
     "aciertos y los premios por categoría, el total, el precio de jugar todas las\n"
     "apuestas en un sorteo, el coste de todos los sorteos comprobados (cada uno a su\n"
     "precio), el beneficio (premios menos ese coste) y su porcentaje del coste, y\n"
     "cada apuesta premiada con la fecha del sorteo y la categoría (no con --summary).\n"
     "Juego clásico: 12 categorías, 2.00 por apuesta. Juego actual (--edition current):\n"
     "13 categorías (2+0 desde el 10 de mayo de 2011), 2.00 por apuesta antes del 24 de\n"
     "septiembre de 2016 y 2.50 desde entonces (--price IMPORTE para otro precio desde\n"
     "entonces).\n"},
    {45666, "Uso: qor-euromillon-cli export FILE.aem --text OUT.txt [--numbers-separator S]\n"
            "                                    [--blocks-separator S]\n"
            "     qor-euromillon-cli export FILE.aem --xlsx OUT.xlsx\n"
            "\n"
            "--text escribe una apuesta por línea, 03.15.27.41.50-02.09 con los separadores\n"
            "por omisión, en Windows-1252 con finales de línea CR LF. Un separador puede tener\n"
            "hasta 5 caracteres; la palabra TAB indica un tabulador y uno vacío un espacio.\n"
            "--xlsx escribe un libro de una hoja con el nombre de la combinación, una apuesta\n"
            "por fila: los cinco números en las columnas A-E, las dos estrellas en F-G.\n"
            "\n"
            "Un OUT existente solo se reemplaza cuando el nuevo está escrito entero; una\n"
            "tubería o un dispositivo se escriben directamente, y OUT - es la salida\n"
            "estándar. Escribe bets=N. La combinación se lee en el juego que indica; un\n"
            "--edition de otro juego la rechaza.\n"},
    {45667, "Uso: qor-euromillon-cli import FILE.txt -o OUT.aem [--append] [--name NOMBRE]\n"
            "\n"
            "Lee cada línea de FILE.txt que contenga cinco números (1-50) y dos estrellas (1-9,\n"
            "o 1-12 con --edition current) en cifras separadas por cualquier otro carácter;\n"
            "un ';' empieza un comentario. Las apuestas halladas se escriben en OUT.aem en su\n"
            "orden; con --append, OUT.aem debe ser del mismo juego.\n"
            "\n"
            "  -o OUT.aem     el archivo de combinación que se escribe\n"
            "  --append       añade las apuestas al final del OUT.aem existente\n"
            "  --name NOMBRE  nombre de la combinación (por omisión: el nombre del archivo\n"
            "                 OUT, o el nombre existente con --append)\n"
            "\n"
            "Escribe lines=L blank=B bets=V comments=C errors=E. No se escribe nada cuando el\n"
            "texto no contiene ninguna apuesta.\n"},
    {45668, "Uso: qor-euromillon-cli import-draws FILE.csv... [--archive FILE.emx]\n"
            "Añade los sorteos de historiales publicados (los archivos CSV del operador\n"
            "francés, leídos en el orden dado) y de archivos de sorteo (*.ems) a un archivo\n"
            "de sorteos de la edición, el del programa si no se da --archive, como hace la\n"
            "importación de la ventana de premios. Un sorteo de un día que el archivo ya\n"
            "tiene lo reemplaza. Una línea que no se puede leer, fechada antes del 13 de\n"
            "febrero de 2004 o que repite el día de una línea anterior de su archivo (se\n"
            "conserva la primera) se excluye y se lista. Juego clásico: los sorteos\n"
            "posteriores al 6 de mayo de 2011 son del juego actual y los sorteos cuyas\n"
            "estrellas no caben en 1 a 9 se descartan, cada grupo contado aparte. Juego\n"
            "actual: 13 categorías desde el 10 de mayo de 2011.\n"
            "Estado de salida 2 cuando se excluyó un archivo entero.\n"},
    {45669, "Uso: qor-euromillon-cli generate [--gem FILE] [--numbers LISTA] [--stars LISTA]\n"
            "                                 [--global L | --blocks N,S] [--optimize SEGUNDOS [--seed N]]\n"
            "                                 [--name NOMBRE] -o OUT.aem\n"
            "\n"
            "Enumera cada apuesta simple de los números y estrellas seleccionados, conserva\n"
            "las que cumplen las condiciones de grupo y, con una reducción, las que ninguna\n"
            "apuesta conservada antes cubre, y las escribe en OUT.aem.\n"
            "\n"},
    {45670, "  --gem FILE       selección, reducción y condiciones de un archivo de generación\n"
            "  --numbers LISTA  números seleccionados (1-50), p. ej. 1-10,15,20\n"
            "  --stars LISTA    estrellas seleccionadas (1-9; 1-12 con --edition current)\n"
            "  --global L       reducción global: una apuesta conservada cubre a una candidata\n"
            "                   que comparte L de sus 7 valores (1-7; 7 es sin reducción)\n"
            "  --blocks N,S     reducción por bloques: comparten N números y S estrellas\n"
            "                   (N 1-5, S 1-2; 5,2 es sin reducción)\n"
            "  --optimize SEGUNDOS\n"
            "                   tras la reducción, busca durante SEGUNDOS como máximo (0-86400;\n"
            "                   0 anula lo que pide el archivo de generación) menos apuestas con\n"
            "                   la misma garantía\n"
            "  --seed N         semilla de esa búsqueda (1 por omisión): la misma semilla sigue\n"
            "                   el mismo camino\n"
            "  --name NOMBRE    nombre de la combinación (por omisión: el nombre del archivo OUT)\n"
            "  -o OUT.aem       el archivo de combinación que se escribe\n"
            "\n"},
    {45671, "Uso: qor-euromillon-cli guarantee FILE.aem [--numbers LISTA] [--stars LISTA]\n"
            "                                  [--odds [--archive FILE.emx]]\n"
            "\n"
            "Toma cada sorteo cuyos 5 números y 2 estrellas están en la selección y halla la\n"
            "mejor categoría de premio que alguna apuesta de la combinación gana con él.\n"
            "Escribe una línea por categoría, CAT sorteos porcentaje (5+2 ... 2+1, y 2+0 en el\n"
            "juego actual, después none para sin premio), y una última línea guaranteed=CAT\n"
            "draws=N seconds=S, siendo CAT la peor de los sorteos.\n"
            "\n"},
    {45672, "  --numbers LISTA  números seleccionados (1-50), p. ej. 1-10,15,20; por omisión:\n"
            "                   todos los números de la combinación\n"
            "  --stars LISTA    estrellas seleccionadas (1-9; 1-12 con --edition current); por\n"
            "                   omisión: todas las estrellas de la combinación\n"
            "  --odds           después las probabilidades sobre todos los sorteos del juego:\n"
            "                   una línea por categoría, whole CAT SORTEOS (los sorteos cuyo\n"
            "                   mejor premio es CAT), whole none SORTEOS, y whole\n"
            "                   expected-winning-bets=X expected-prizes=Y cost=Z: las apuestas\n"
            "                   que ganan en un sorteo y lo que ganan al premio medio del\n"
            "                   archivo por categoría, en promedio sobre todos los sorteos, y lo\n"
            "                   que cuesta un sorteo\n"
            "  --archive FILE   el archivo de sorteos de los premios medios (por omisión: el\n"
            "                   del programa para la edición)\n"
            "\n"},
    {45673, "Uso: qor-euromillon-cli print FILE.aem --pdf OUT.pdf [--country ES|FR]\n"
            "       [--rotation 0|90|180|270] [--offset DX,DY] [--template FILE.frf] [--test-mode]\n"
            "Imprime las apuestas de la combinación, cinco por boleto, en un archivo PDF cuyas\n"
            "páginas tienen el tamaño del boleto (imprímalo al 100 %). El PDF mide las páginas\n"
            "en puntos enteros, así que el tamaño se redondea hacia arriba: el boleto español\n"
            "de 161.0 x 104.0 mm da páginas de 161.2 x 104.1 mm, el francés de 160.8 x 120.8 mm\n"
            "páginas de 160.9 x 121.0 mm; lo que sobra es papel en blanco a la derecha y abajo.\n"
            "Sin --template se construye el boleto automático del país (ES por omisión),\n"
            "girado según la rotación (0 por omisión) y desplazado según los desfases en\n"
            "milímetros (0,0 por omisión, por ejemplo --offset 1.5,-2). --test-mode marca\n"
            "todas las casillas.\n"
            "--pdf - escribe el PDF en la salida estándar.\n"
            "Una combinación del juego actual (--edition current) solo se imprime con un\n"
            "--template: su boleto automático aún no está disponible.\n"},
    {45674,
     "Uso: qor-euromillon-cli update-draws [--url URL] [--archive FILE.emx] [--edition classic|current]\n"
     "                                     [--timeout SEGUNDOS]\n"
     "Descarga el archivo de resultados del operador (un zip con el historial de\n"
     "sorteos publicado, o un CSV de esa forma) y añade sus sorteos a un archivo de\n"
     "sorteos de la edición, el del programa si no se da --archive. Sin --url se\n"
     "prueba la dirección oficial y después los demás lugares donde el operador ha\n"
     "publicado el mismo archivo. --timeout abandona un servidor que calla durante\n"
     "esos segundos (30 si no se indica). Falle lo que falle, el archivo de sorteos\n"
     "queda como estaba. La última línea es\n"
     "  new=N replaced=R refused=F total=T\n"
     "y el estado de salida es 0 solo cuando el archivo de sorteos se leyó y guardó.\n"},
    {45675, "Uso: qor-euromillon-cli check-language FILE.lng...\n"
            "Estado de salida 0 cuando todos los archivos son correctos, 1 cuando uno tiene\n"
            "problemas, 2 cuando uno no se puede leer como archivo de idioma.\n"},
    {45676, "El juego es la edición en vigor (--edition classic|current, classic por omisión):\n"
            "un archivo de generación del otro juego se rechaza, y OUT.aem es de ese juego.\n"
            "Las opciones después de --gem prevalecen sobre lo que dice el archivo. La última\n"
            "línea escrita es generated=G valid=V kept=K seconds=S, seguida de greedy=G al\n"
            "optimizar.\n"},
    {45677, "FILE.aem se lee en el juego que indica (un --edition de otro juego lo rechaza);\n"
            "el juego actual añade la categoría 2+0.\n"},

    // Optimized reduction: check box, search time, progress (45700 to 45708)
    {45700, "Optimizar reducción"},
    {45701,
     "Busca menos apuestas con la misma garantía de premio; el resultado se comprueba antes de usarlo"},
    {45702, "Tiempo de búsqueda:"},
    {45703, "10 s"},
    {45704, "1 min"},
    {45705, "5 min"},
    {45706, "Optimizando la reducción..."},
    {45707, "Mejor hasta ahora: %d apuestas (sin optimizar: %d)"},
    {45708, "La selección es demasiado grande para optimizar; se mantiene la reducción sin optimizar"},

    // Printed reports (45710 to 45749)
    {45710, "."}, // thousands separator of printed integers

    // Game editions (45800 to 45819)
    {45801, "El archivo es del juego %s (estrellas 1 a %d); no puede leerse como juego %s"},
    {45802, "clásico"},
    {45803, "actual"},
    {45804, "Las apuestas del juego %s no pueden pasarse a una combinación del juego %s"},

    // Draws of today's game (45820 to 45849)
    {45820, "La fecha del sorteo debe ser MARTES o VIERNES (solo VIERNES antes del 10/05/2011)"},

    // Generator windows of either game (45850 to 45869)
    {45850, "Juego %s: estrellas 1 a %d"},
    {45851, "Preparando las apuestas..."},

    // Game editions on the desktop: menu, window label, print note (45870 to 45876)
    {45870, "&Juego"},
    {45871, "&Clásico: estrellas 1 a 9 (2004-2011)"},
    {45872, "&Actual: estrellas 1 a 12"},
    {45873, "Las combinaciones nuevas siguen el juego elegido; las abiertas conservan el suyo"},
    {45874, "Juego:"},
    {45875, "%s (estrellas 1 a %d)"},
    {45876, "El boleto automático del juego actual aún no está disponible: imprima con un boleto guardado o "
            "con un listado."},

    // Data folder of a program installed read-only (45900 to 45900)
    {45900, "No se puede crear la carpeta de datos del usuario:"},

    // Generic words (50001 to 50008)
    {50001, "¿Continuar?"},
    {50002, "ATENCIÓN:"},
    {50003, "Aceptar"},
    {50004, "Cancelar"},
    {50005, "ERROR:"},
    {50006, "Siguiente"},
    {50007, "Atras"},
    {50008, "Finalizar"},
};

static constexpr bool IsSortedWithoutDuplicates()
{
    for (size_t i = 1; i < std::size(kBuiltinTexts); ++i) {
        if (kBuiltinTexts[i - 1].id >= kBuiltinTexts[i].id)
            return false;
    }
    return true;
}

// Characters, not bytes: UTF-8 continuation bytes do not count.
static constexpr size_t LongestTextInCharacters()
{
    size_t longest = 0;
    for (const TBuiltinText &entry : kBuiltinTexts) {
        size_t characters = 0;
        for (char c : entry.text) {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++characters;
        }
        longest = std::max(longest, characters);
    }
    return longest;
}

static_assert(IsSortedWithoutDuplicates(), "the lookup needs the identifiers in ascending order");
static_assert(LongestTextInCharacters() <= 1023, "a text is at most 1023 characters");

std::span<const TBuiltinText> BuiltinTexts()
{
    return kBuiltinTexts;
}

std::string_view BuiltinText(uint16_t id)
{
    const auto found =
        std::lower_bound(std::begin(kBuiltinTexts), std::end(kBuiltinTexts), id,
                         [](const TBuiltinText &entry, uint16_t key) { return entry.id < key; });
    if (found == std::end(kBuiltinTexts) || found->id != id)
        return {};
    return found->text;
}
