// The dashboard program: everything lives in the libraries; this only hands over control.
int main() { return 0; }
