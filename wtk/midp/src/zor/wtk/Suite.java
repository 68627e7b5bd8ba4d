package zor.wtk;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.util.Collections;
import java.util.Map;

/** The MIDlet suite being run: its manifest attributes, classes and resources, record stores. */
public final class Suite {
    private static volatile Suite current = new Suite(Collections.<String, String>emptyMap(),
            Suite.class.getClassLoader(), defaultRecordFolder("default"));

    private final Map<String, String> attributes;
    private final ClassLoader loader;
    private final File recordFolder;

    public Suite(Map<String, String> attributes, ClassLoader loader, File recordFolder) {
        this.attributes = attributes;
        this.loader = loader;
        this.recordFolder = recordFolder;
    }

    public static Suite current() {
        return current;
    }

    public static void install(Suite suite) {
        current = suite;
    }

    public String attribute(String name) {
        return attributes.get(name);
    }

    public ClassLoader loader() {
        return loader;
    }

    public File recordFolder() {
        return recordFolder;
    }

    /** A resource of the suite by absolute name; a leading "/" is optional. */
    public InputStream resource(String name) throws IOException {
        String path = name.startsWith("/") ? name.substring(1) : name;
        InputStream in = loader.getResourceAsStream(path);
        if (in == null) {
            throw new IOException("no resource " + name + " in the MIDlet suite");
        }
        return in;
    }

    /** The per-user folder of a suite's record stores, named after its vendor and name. */
    public static File defaultRecordFolder(String suiteId) {
        String base = System.getenv("XDG_DATA_HOME");
        File root = base != null && !base.isEmpty()
                ? new File(base)
                : new File(System.getProperty("user.home"), ".local/share");
        return new File(new File(root, "zor-wtk/rms"), safeName(suiteId));
    }

    static String safeName(String text) {
        StringBuilder out = new StringBuilder();
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            boolean plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
                    || (c >= '0' && c <= '9') || c == '-';
            out.append(plain ? String.valueOf(c) : String.format("_%04x", (int) c));
        }
        return out.toString();
    }
}
