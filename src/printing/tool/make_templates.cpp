// Build step: writes the shipped report templates beside the program,
// leaving alone any file of the same name already there.
#include "printing/plantillas_incluidas.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: qor-make-templates <program folder>\n";
        return 2;
    }
    try {
        for (const std::string &path : InstalarPlantillasIncluidas(argv[1]))
            std::cout << "template " << path << '\n';
    } catch (const std::exception &error) {
        std::cerr << "qor-make-templates: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
