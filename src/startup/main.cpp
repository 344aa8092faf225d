#include "startup/Application.h"

int main(int argc, char** argv) { return jcw::runApplication(argc, argv); }
