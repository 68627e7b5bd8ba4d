package zor.wtk;

import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics;
import java.awt.GraphicsEnvironment;
import java.awt.KeyboardFocusManager;
import java.awt.event.KeyEvent;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.jar.Attributes;
import java.util.jar.JarFile;
import java.util.jar.Manifest;
import javax.imageio.ImageIO;
import javax.microedition.midlet.MIDlet;
import javax.swing.JComponent;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.SwingUtilities;
import javax.swing.Timer;

/**
 * Runs a MIDlet suite: in a window with a phone screen, or headless for a fixed time with
 * scripted keys, saving the last frame.
 */
public final class Emulator {
    private static final String USAGE = "usage: emulator [--scale 1..4] [--rms-dir DIR] JAR\n"
            + "       emulator --headless --time-ms T [--keys SCRIPT] [--screenshot FILE.png]\n"
            + "                [--rms-dir DIR] JAR\n"
            + "keys: steps like 500:RIGHT+ 1500:RIGHT-\n"
            + "      (UP DOWN LEFT RIGHT FIRE SOFT1 SOFT2 0-9 STAR POUND)";
    private static final long DESTROY_WAIT_MS = 1000;

    private boolean headless;
    private long timeMillis = -1;
    private List<KeyScript.Step> keys = java.util.Collections.emptyList();
    private File screenshot;
    private int scale = 2;
    private File rmsDir;
    private File jar;

    private Emulator() {}

    public static void main(String[] args) {
        System.exit(new Emulator().run(args));
    }

    private int run(String[] args) {
        try {
            parse(args);
        } catch (IllegalArgumentException e) {
            System.err.println("emulator: " + e.getMessage());
            System.err.println(USAGE);
            return 2;
        }
        if (headless) {
            System.setProperty("java.awt.headless", "true");
        } else if (GraphicsEnvironment.isHeadless()) {
            System.err.println("emulator: no display to open a window on; use --headless");
            return 2;
        }
        Class<?> midletClass;
        try {
            midletClass = loadSuite();
        } catch (IOException | ClassNotFoundException | IllegalStateException e) {
            System.err.println("emulator: " + e.getMessage());
            return 2;
        }
        Thread.setDefaultUncaughtExceptionHandler((thread, e) -> Device.get().crash(e));
        return headless ? runHeadless(midletClass) : runWindow(midletClass);
    }

    private void parse(String[] args) {
        for (int i = 0; i < args.length; i++) {
            String a = args[i];
            if (a.equals("--headless")) {
                headless = true;
            } else if (a.equals("--time-ms") || a.equals("--keys") || a.equals("--screenshot")
                    || a.equals("--scale") || a.equals("--rms-dir")) {
                if (i + 1 >= args.length) {
                    throw new IllegalArgumentException(a + " needs a value");
                }
                option(a, args[++i]);
            } else if (a.startsWith("--")) {
                throw new IllegalArgumentException("unknown option " + a);
            } else if (jar == null) {
                jar = new File(a);
            } else {
                throw new IllegalArgumentException("one JAR only");
            }
        }
        if (jar == null) {
            throw new IllegalArgumentException("no JAR given");
        }
        if (headless && timeMillis < 0) {
            throw new IllegalArgumentException("--headless needs --time-ms");
        }
    }

    private void option(String name, String value) {
        switch (name) {
            case "--time-ms": timeMillis = number(name, value, 0, Integer.MAX_VALUE); break;
            case "--keys": keys = KeyScript.parse(value); break;
            case "--screenshot": screenshot = new File(value); break;
            case "--scale": scale = (int) number(name, value, 1, 4); break;
            default: rmsDir = new File(value); break;
        }
    }

    private static long number(String name, String value, long min, long max) {
        try {
            long n = Long.parseLong(value);
            if (n >= min && n <= max) {
                return n;
            }
        } catch (NumberFormatException e) {
            // Reported below.
        }
        throw new IllegalArgumentException(name + " takes a number from " + min + " to " + max);
    }

    /** Reads the manifest, installs the suite and finds the class of MIDlet-1. */
    private Class<?> loadSuite() throws IOException, ClassNotFoundException {
        if (!jar.isFile()) {
            throw new IllegalStateException("no such file: " + jar);
        }
        Map<String, String> attributes = new HashMap<String, String>();
        try (JarFile file = new JarFile(jar)) {
            Manifest manifest = file.getManifest();
            if (manifest == null) {
                throw new IllegalStateException(jar + " has no manifest");
            }
            for (Map.Entry<Object, Object> e : manifest.getMainAttributes().entrySet()) {
                attributes.put(((Attributes.Name) e.getKey()).toString(), (String) e.getValue());
            }
        }
        String midlet1 = attributes.get("MIDlet-1");
        String[] fields = midlet1 == null ? new String[0] : midlet1.split(",", -1);
        if (fields.length != 3 || fields[2].trim().isEmpty()) {
            throw new IllegalStateException("the manifest of " + jar
                    + " needs MIDlet-1: name, icon, class (found " + midlet1 + ")");
        }
        String className = fields[2].trim();
        ClassLoader loader = new URLClassLoader(
                new URL[] {jar.toURI().toURL()}, Emulator.class.getClassLoader());
        String suiteId = attributes.getOrDefault("MIDlet-Vendor", "") + "_"
                + attributes.getOrDefault("MIDlet-Name", jar.getName());
        Suite.install(new Suite(
                attributes, loader, rmsDir != null ? rmsDir : Suite.defaultRecordFolder(suiteId)));
        Class<?> midletClass;
        try {
            midletClass = Class.forName(className, false, loader);
        } catch (ClassNotFoundException e) {
            throw new ClassNotFoundException("the MIDlet class " + className + " is not in " + jar);
        }
        if (!MIDlet.class.isAssignableFrom(midletClass)) {
            throw new IllegalStateException(className + " is not a MIDlet");
        }
        return midletClass;
    }

    private int runHeadless(Class<?> midletClass) {
        final Device device = Device.get();
        final CountDownLatch ended = new CountDownLatch(1);
        device.setEndListener(failure -> ended.countDown());
        MidletRunner runner = MidletRunner.launch(midletClass);
        long start = System.nanoTime();
        try {
            for (KeyScript.Step step : keys) {
                if (step.atMillis >= timeMillis) {
                    break;
                }
                long wait = step.atMillis - (System.nanoTime() - start) / 1_000_000;
                if (wait > 0 && ended.await(wait, TimeUnit.MILLISECONDS)) {
                    break;
                }
                device.keyInput(
                        step.keyCode, step.pressed ? Access.KEY_PRESSED : Access.KEY_RELEASED);
            }
            long rest = timeMillis - (System.nanoTime() - start) / 1_000_000;
            if (rest > 0) {
                ended.await(rest, TimeUnit.MILLISECONDS);
            }
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
        Throwable failure = device.failure();
        if (screenshot != null && !saveScreenshot(device)) {
            return 2;
        }
        if (failure != null) {
            return 1;
        }
        destroyWithin(runner);
        return device.failure() == null ? 0 : 1;
    }

    private boolean saveScreenshot(Device device) {
        final BufferedImage copy =
                new BufferedImage(Device.WIDTH, Device.HEIGHT, BufferedImage.TYPE_INT_RGB);
        device.withScreen(screen -> copy.getGraphics().drawImage(screen.image, 0, 0, null));
        try {
            if (!ImageIO.write(copy, "png", screenshot)) {
                throw new IOException("no PNG writer");
            }
            return true;
        } catch (IOException e) {
            System.err.println("emulator: cannot write " + screenshot + ": " + e.getMessage());
            return false;
        }
    }

    /** destroyApp gets a moment; a MIDlet that hangs in it is not waited for. */
    private static void destroyWithin(MidletRunner runner) {
        Thread destroyer = new Thread(runner::destroy, "destroy");
        destroyer.setDaemon(true);
        destroyer.start();
        try {
            destroyer.join(DESTROY_WAIT_MS);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    private int runWindow(final Class<?> midletClass) {
        final Device device = Device.get();
        final CountDownLatch closed = new CountDownLatch(1);
        final MidletRunner[] runner = new MidletRunner[1];
        SwingUtilities.invokeLater(() -> {
            String name = Suite.current().attribute("MIDlet-Name");
            final JFrame frame = new JFrame(name == null ? jar.getName() : name);
            JComponent screen = new ScreenView(device, scale);
            frame.getContentPane().setBackground(Color.DARK_GRAY);
            frame.getContentPane().add(screen, BorderLayout.CENTER);
            JLabel legend = new JLabel("<html>Arrows: directions &nbsp; Enter, Space: fire<br>"
                    + "0-9, *, #: keypad &nbsp; F1, F2: left and right soft key</html>");
            legend.setForeground(Color.WHITE);
            legend.setBorder(javax.swing.BorderFactory.createEmptyBorder(6, 8, 6, 8));
            frame.getContentPane().add(legend, BorderLayout.SOUTH);
            frame.setDefaultCloseOperation(JFrame.DO_NOTHING_ON_CLOSE);
            frame.addWindowListener(new WindowAdapter() {
                public void windowClosing(WindowEvent e) {
                    frame.dispose();
                    closed.countDown();
                }
            });
            KeyboardFocusManager.getCurrentKeyboardFocusManager().addKeyEventDispatcher(
                    new PhoneKeys(device));
            device.setPresenter(screen::repaint);
            device.setEndListener(failure -> {
                if (failure == null) {
                    SwingUtilities.invokeLater(() -> {
                        frame.dispose();
                        closed.countDown();
                    });
                }
            });
            frame.pack();
            frame.setResizable(false);
            frame.setLocationRelativeTo(null);
            frame.setVisible(true);
            runner[0] = MidletRunner.launch(midletClass);
        });
        try {
            closed.await();
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
        if (runner[0] != null && device.failure() == null) {
            destroyWithin(runner[0]);
        }
        return device.failure() == null ? 0 : 1;
    }

    /** The phone screen, enlarged pixel for pixel. */
    private static final class ScreenView extends JComponent {
        private final Device device;
        private final int scale;

        ScreenView(Device device, int scale) {
            this.device = device;
            this.scale = scale;
            setPreferredSize(new Dimension(Device.WIDTH * scale, Device.HEIGHT * scale));
        }

        protected void paintComponent(final Graphics g) {
            device.withScreen(s
                    -> g.drawImage(
                            s.image, 0, 0, Device.WIDTH * scale, Device.HEIGHT * scale, null));
        }
    }

    /**
     * Turns desktop keys into phone keys. The desktop repeats a held key (as presses, or as
     * release-press pairs); a held key must stay one press, so repeats become keyRepeated and a
     * release counts only when no press follows at once.
     */
    private static final class PhoneKeys implements java.awt.KeyEventDispatcher {
        private static final int RELEASE_DELAY_MS = 40;
        private final Device device;
        /** Phone key of each desktop key that is down, by desktop key code. */
        private final Map<Integer, Integer> held = new HashMap<Integer, Integer>();
        private final Map<Integer, Timer> pendingRelease = new HashMap<Integer, Timer>();

        PhoneKeys(Device device) {
            this.device = device;
        }

        public boolean dispatchKeyEvent(KeyEvent e) {
            if (e.getID() == KeyEvent.KEY_TYPED) {
                device.charTyped(e.getKeyChar());
                return false;
            }
            final Integer desktop = e.getKeyCode();
            if (e.getID() == KeyEvent.KEY_PRESSED) {
                Timer release = pendingRelease.remove(desktop);
                if (release != null) {
                    release.stop();
                }
                Integer phone = held.get(desktop);
                if (phone != null) {
                    device.keyInput(phone, Access.KEY_REPEATED);
                    return true;
                }
                phone = phoneKey(e);
                if (phone == null) {
                    return false;
                }
                held.put(desktop, phone);
                device.keyInput(phone, Access.KEY_PRESSED);
                return true;
            }
            if (e.getID() == KeyEvent.KEY_RELEASED && held.containsKey(desktop)) {
                Timer release = new Timer(RELEASE_DELAY_MS, event -> {
                    pendingRelease.remove(desktop);
                    Integer phone = held.remove(desktop);
                    if (phone != null) {
                        device.keyInput(phone, Access.KEY_RELEASED);
                    }
                });
                release.setRepeats(false);
                pendingRelease.put(desktop, release);
                release.start();
                return true;
            }
            return false;
        }

        private static Integer phoneKey(KeyEvent e) {
            char c = e.getKeyChar();
            if (c == '*' || c == '#') {
                return (int) c;
            }
            int code = e.getKeyCode();
            if (code >= KeyEvent.VK_0 && code <= KeyEvent.VK_9) {
                return '0' + code - KeyEvent.VK_0;
            }
            if (code >= KeyEvent.VK_NUMPAD0 && code <= KeyEvent.VK_NUMPAD9) {
                return '0' + code - KeyEvent.VK_NUMPAD0;
            }
            switch (code) {
                case KeyEvent.VK_UP: return -1;
                case KeyEvent.VK_DOWN: return -2;
                case KeyEvent.VK_LEFT: return -3;
                case KeyEvent.VK_RIGHT: return -4;
                case KeyEvent.VK_ENTER:
                case KeyEvent.VK_SPACE: return -5;
                case KeyEvent.VK_F1: return -6;
                case KeyEvent.VK_F2: return -7;
                case KeyEvent.VK_MULTIPLY: return 42;
                case KeyEvent.VK_NUMBER_SIGN: return 35;
                default: return null;
            }
        }
    }
}
