// The empty program that the benchmark sets beside echo2.
int main()
{
}
