/** Not CLDC: the preverifier must refuse it. */
public class UsesDesktopApi {
    Object make() {
        return new java.util.ArrayList();
    }
}
