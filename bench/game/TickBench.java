import java.util.Arrays;

/**
 * The cost of game ticks: a level of a built game is loaded outside the emulator's loop and
 * driven tick by tick, each tick its logic (events and objects) and its painting into the
 * off-screen buffer.
 *
 * usage: java -Djava.awt.headless=true -cp midpapi20.jar:GAME.jar:. TickBench LEVEL TICKS
 * prints "LEVEL median_ms mean_ms" for the ticks after a warm-up.
 */
public final class TickBench {
    private static final int WARM_UP = 300;

    public static void main(String[] args) throws Exception {
        int number = Integer.parseInt(args[0]);
        int ticks = Integer.parseInt(args[1]);
        szor midlet = new szor();
        Level level = (Level) Class.forName("Etap" + number).getConstructor(szor.class)
                              .newInstance(midlet);
        level.load();
        for (int i = 0; i < WARM_UP; i++) {
            level.tick();
            level.render();
        }
        double[] ms = new double[ticks];
        long all = System.nanoTime();
        for (int i = 0; i < ticks; i++) {
            long start = System.nanoTime();
            level.tick();
            level.render();
            ms[i] = (System.nanoTime() - start) / 1e6;
        }
        double mean = (System.nanoTime() - all) / 1e6 / ticks;
        Arrays.sort(ms);
        System.out.println(number + " " + ms[ticks / 2] + " " + mean);
    }
}
