// grilpad: the Mindgrid! puzzle workshop.
#include "frame/ui/application.h"

int main(int argc, char** argv) { return runGrilpad(argc, argv); }
