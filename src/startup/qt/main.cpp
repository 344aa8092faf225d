#include "startup/qt/Application.h"

int main(int argc, char** argv) { return jcw::runApplication(argc, argv); }
