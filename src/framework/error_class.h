#pragma once

#include <exception>
#include <string>

// The class name of an error as the program's messages show it ("EReadError").
std::string ErrorClassName(const std::exception &error);
