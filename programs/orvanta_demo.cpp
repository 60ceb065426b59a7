// The offline demo of the dashboard: everything lives in the demo library.
#include "demo/demo_run.h"

int main(int argc, char** argv) {
  om::RunDemo(argc, argv);
}
