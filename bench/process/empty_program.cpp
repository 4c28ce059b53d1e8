// The start floor of the whole-process figures: a C++ program that does nothing.
int main() {
  return 0;
}
