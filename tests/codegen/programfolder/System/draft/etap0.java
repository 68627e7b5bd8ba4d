// Level 0 of the tests: copied unchanged.
public class Etap0 {
    int level = 0;
}
