// Placeholder until the command line lands: every job fails with the internal-error code.
int main() { return 16; }
