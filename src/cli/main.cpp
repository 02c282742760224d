// brevane-cli: headless companion of the program (placeholder until the
// client file commands land).
int main() { return 2; }
