import java.io.IOException;
import java.io.InputStream;
import java.util.Hashtable;
import java.util.Random;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.lcdui.game.Layer;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;
import javax.microedition.media.Player;

/**
 * Level 0, the title screen: the picture logo.png, the maker and version of the game, and a
 * prompt; any key starts level 1.
 */
public class Etap0 extends Level {
    private Image logo;
    private MultiLineText prompt;
    private MultiLineText maker;

    public Etap0(szor midlet) {
        super(midlet);
    }

    protected void data() {
        colour(16, 24, 48);
        logo = picture("/logo.png");
        Font small = Font.getFont(Font.FACE_PROPORTIONAL, Font.STYLE_PLAIN, Font.SIZE_SMALL);
        prompt = new MultiLineText("\u041d\u0430\u0436\u043c\u0438\u0442\u0435 \u043b\u044e\u0431\u0443\u044e "
                + "\u043a\u043b\u0430\u0432\u0438\u0448\u0443", small, width - 16);
        maker = new MultiLineText(appProperty("MIDlet-Vendor") + " " + appProperty("MIDlet-Version"),
                small, width - 16);
    }

    protected void script() {
        if (anykey) {
            midlet.changeEtap(0, 1);
        }
    }

    protected void graphicsOver() {
        graphics.drawImage(logo, width / 2, height * 2 / 5, Graphics.HCENTER | Graphics.VCENTER);
        int logoBottom = height * 2 / 5 + logo.getHeight() / 2;
        // The prompt blinks: one second on, half a second off.
        if (obtime % 45 < 30) {
            graphics.setColor(0xFFFFFF);
            prompt.paint(graphics, width / 2, logoBottom + 16, Graphics.HCENTER);
        }
        graphics.setColor(0x8090B0);
        maker.paint(graphics, width / 2, height - maker.getHeight() - 4, Graphics.HCENTER);
    }

    private String appProperty(String name) {
        String value = midlet.getAppProperty(name);
        return value == null ? "" : value;
    }
}

/**
 * The engine of every level: a fixed-rate loop of ticks (events, behaviour of the objects,
 * then painting), the objects of the level, keys, timers and sound. A level class (EtapN)
 * supplies its data, its event code and its drawing statements.
 */
abstract class Level extends GameCanvas implements Runnable {
    static final int TICKS_PER_SECOND = 30;
    /** Logic ticks run back to back at most this many times when the device falls behind. */
    static final int MAX_CATCH_UP = 4;
    /** Object definitions of each kind that a project can hold. */
    static final int OBJECTS = 100;
    static final int LAYERS = 3;
    static final int TIMERS = 10;
    static final int ANIMATION_TICKS = 4;
    /** Positions and speeds are kept in sixteenths of a pixel. */
    static final int FIX = 16;
    /** Sixteenths of a pixel per tick for each unit of an object's movement speed. */
    static final int SPEED_UNIT = 12;
    static final int GRAVITY = 12;
    static final int MAX_FALL = 8 * FIX;
    static final int CAR_TURN_TICKS = 5;

    static final int CALM = 1;
    static final int PURSUIT = 2;
    static final int ATTACK = 3;
    static final int DEATH = 5;
    static final int PATH = 6;
    static final int PLAYER = 7;

    static final int NO_CONTROL = 0;
    static final int TOP_DOWN = 1;
    static final int SIDE_VIEW = 2;
    static final int CAR = 3;

    static final int OBSTACLE = 1;
    static final int LADDER = 2;

    /**
     * Steps of the directions 1..8 (counter-clockwise from the right; y grows downwards) in
     * sixteenths of a pixel per pixel of speed; diagonals are shorter.
     */
    static final int[] UNIT_X = {0, 16, 11, 0, -11, -16, -11, 0, 11};
    static final int[] UNIT_Y = {0, 0, -11, -16, -11, 0, 11, 16, 11};

    /** The keys of the events, in this order: ls rs up left right down fire 1..9 0 zv r. */
    static final int KEYS = 19;
    static final int K_LS = 0, K_RS = 1, K_UP = 2, K_LEFT = 3, K_RIGHT = 4, K_DOWN = 5, K_FIRE = 6;
    static final int K_1 = 7, K_0 = 16, K_STAR = 17, K_POUND = 18;

    // ---- The names that event code uses.

    final szor midlet;
    /** Ticks since the level started; objects are made while it is 1. */
    int obtime;
    /** Milliseconds of level time. */
    int endTime_ob;
    int width;
    int height;
    /** The number of this level. */
    int level;
    /** A new random number from 0 to 99 every tick. */
    int rand;
    /** The instance that pursuit and attack go for. */
    int kd;
    int layer_kol = LAYERS;
    int[] manager_X = new int[LAYERS];
    int[] manager_Y = new int[LAYERS];
    /** Instances of active object d + 1 at act[d][1..quan_act[d]]. */
    Sprite[][] act = new Sprite[OBJECTS][];
    /** Instances of background object d + 1 at fon[d][0..kol_fon[d + 1] - 1]. */
    TiledLayer[][] fon = new TiledLayer[OBJECTS][];
    /** Per background definition, all its cells in one layer, for collision tests. */
    TiledLayer[] fonPole = new TiledLayer[OBJECTS];
    int[] quan_act = new int[OBJECTS];
    int[] kol_fon = new int[OBJECTS + 1];
    int[] kol_line = new int[OBJECTS + 1];
    int[] kol_text = new int[OBJECTS + 1];
    /** gr_obj[d][k], gr_fon[d][k]: the placement of instance k of definition d. */
    int[][] gr_obj = new int[OBJECTS + 1][];
    int[][] gr_fon = new int[OBJECTS + 1][];
    int[][] gr_text = new int[OBJECTS + 1][1];
    int[] tileWidthob = new int[0];
    int[] tileHeightob = new int[0];
    int[][] act_upr = new int[OBJECTS][];
    int[][] act_napr = new int[OBJECTS][];
    int[][] act_tr_number = new int[OBJECTS][];
    int[][] act_sv1 = new int[OBJECTS][];
    int[][] act_sv2 = new int[OBJECTS][];
    int[][] act_sv3 = new int[OBJECTS][];
    int[][] act_sv4 = new int[OBJECTS][];
    int[][] act_sv5 = new int[OBJECTS][];
    int[][] fon_sv1 = new int[OBJECTS][];
    int[][] fon_sv2 = new int[OBJECTS][];
    int[][] fon_sv3 = new int[OBJECTS][];
    int[][] fon_sv4 = new int[OBJECTS][];
    int[][] fon_sv5 = new int[OBJECTS][];
    /** Timer n is 3 ("finished") for one tick every n seconds, 1 otherwise. */
    int[] timer_regim = new int[TIMERS + 1];
    int[] glob;
    int[] tek_str = new int[OBJECTS + 1];
    int[] line_tek = new int[OBJECTS + 1];
    Graphics graphics;
    Player player;
    /** Keys: _1 pressed in this tick, _2 released in this tick, _3 down. */
    boolean key_ls_1, key_ls_2, key_ls_3, key_rs_1, key_rs_2, key_rs_3;
    boolean key_up_1, key_up_2, key_up_3, key_left_1, key_left_2, key_left_3;
    boolean key_right_1, key_right_2, key_right_3, key_down_1, key_down_2, key_down_3;
    boolean key_fire_1, key_fire_2, key_fire_3;
    boolean key_1_1, key_1_2, key_1_3, key_2_1, key_2_2, key_2_3, key_3_1, key_3_2, key_3_3;
    boolean key_4_1, key_4_2, key_4_3, key_5_1, key_5_2, key_5_3, key_6_1, key_6_2, key_6_3;
    boolean key_7_1, key_7_2, key_7_3, key_8_1, key_8_2, key_8_3, key_9_1, key_9_2, key_9_3;
    boolean key_0_1, key_0_2, key_0_3, key_zv_1, key_zv_2, key_zv_3, key_r_1, key_r_2, key_r_3;
    /** Some key was pressed in this tick. */
    boolean anykey;

    // ---- The engine's own state.

    private volatile Thread thread;
    private final Object tickLock = new Object();
    private boolean loaded;
    private final Random random = new Random();
    private int background;

    private final Object keyLock = new Object();
    private final boolean[] keyDown = new boolean[KEYS];
    private final boolean[] keyPressed = new boolean[KEYS];
    private final boolean[] keyReleased = new boolean[KEYS];
    private final boolean[] pressed = new boolean[KEYS];
    private final boolean[] released = new boolean[KEYS];
    private final boolean[] held = new boolean[KEYS];

    // Placements of active objects, by placement index.
    private int activePlaced;
    private int[] activeGroup = new int[0];
    private String[] activeImages = new String[0];
    private int[] activeLayers = new int[0];
    private int[] activeSolid = new int[0];
    private int[] activeSpeed = new int[0];
    private int[] activeAccel = new int[0];
    private int[] activeBraking = new int[0];
    private int[][][][] frames = new int[3][][][];
    private int nextActive;
    // Active definitions.
    private int[] startMode = new int[0];
    private int[] controls = new int[0];
    private int[] startPath = new int[0];
    private int[] startSpeed = new int[0];
    private int[][] actProperties = new int[5][0];

    // Placements of background objects, by placement index.
    private int fonPlaced;
    private int[] fonGroup = new int[0];
    private String[] fonImages = new String[0];
    private int[] fonTileWidth = new int[0];
    private int[] fonTileHeight = new int[0];
    private int[] fonColumns = new int[0];
    private int[] fonRows = new int[0];
    private int[] fonLayers = new int[0];
    private int nextFon;
    // Background definitions.
    private int[] fonKinds = new int[0];
    private int[][] fonProperties = new int[5][0];

    // Paths 0..9.
    private int[] pathLength = new int[0];
    private int[][] pathX = new int[0][];
    private int[][] pathY = new int[0][];
    private int[][][] pathNext = new int[0][][];

    // What exists, in the order it was made (the order of painting within a layer).
    private Actor[] actors = new Actor[8];
    private int actorCount;
    private TiledLayer[] backdrops = new TiledLayer[8];
    private int[] backdropLayer = new int[8];
    private int backdropCount;
    private TiledLayer[] obstacles = new TiledLayer[0];
    private TiledLayer[] ladders = new TiledLayer[0];

    /** The first screen and the maps; moving objects stay inside, the view does not leave it. */
    private int worldLeft, worldTop, worldRight, worldBottom;
    private boolean worldKnown;
    /** Set once an event has moved the view; the view then no longer follows the player. */
    private boolean viewByEventsX, viewByEventsY;
    private final int[] viewBefore = new int[2 * LAYERS];

    private final Hashtable pictures = new Hashtable();
    private final Player[] sounds = new Player[4];

    private String report;
    private int reportUntil;

    Level(szor midlet) {
        super(false);
        setFullScreenMode(true);
        this.midlet = midlet;
        glob = midlet.glob;
        String name = getClass().getName();
        level = Integer.parseInt(name.substring(name.lastIndexOf('p') + 1));
        for (int d = 0; d < OBJECTS; d++) {
            act[d] = new Sprite[1];
            fon[d] = new TiledLayer[0];
        }
        midlet.attach(this);
    }

    /** The level's data: calls placeActive, defineActive and the other data methods. */
    protected abstract void data();

    /** The event code, run once every tick. */
    protected abstract void script();

    /** Drawing statements, painted over the scene in every frame. */
    protected abstract void graphicsOver();

    // ---- Life cycle.

    /** Starts or resumes the level's loop. */
    public void start() {
        Thread t = new Thread(this);
        thread = t;
        t.start();
    }

    /** Ends the level's loop after its current tick. */
    public void stop() {
        thread = null;
    }

    public void run() {
        Thread me = Thread.currentThread();
        synchronized (tickLock) {
            if (!loaded) {
                load();
            }
        }
        long start = System.currentTimeMillis();
        long ticks = 0;
        while (thread == me) {
            if (!isShown()) {
                pause(50);
                start = System.currentTimeMillis() - ticks * 1000 / TICKS_PER_SECOND;
                continue;
            }
            synchronized (tickLock) {
                int caughtUp = 0;
                do {
                    tick();
                    ticks++;
                    caughtUp++;
                } while (thread == me && caughtUp < MAX_CATCH_UP
                        && System.currentTimeMillis() - start >= ticks * 1000 / TICKS_PER_SECOND);
                render();
            }
            long late = System.currentTimeMillis() - start - ticks * 1000 / TICKS_PER_SECOND;
            if (late > 1000 / TICKS_PER_SECOND) {
                // Too slow even without painting: the game slows down instead of jumping.
                start += late;
            }
            midlet.tickDone(this);
            long wait = start + ticks * 1000 / TICKS_PER_SECOND - System.currentTimeMillis();
            pause(wait > 0 ? wait : 1);
        }
        silence();
    }

    private static void pause(long millis) {
        try {
            Thread.sleep(millis);
        } catch (InterruptedException e) {
            // Only the loop's own checks end it.
        }
    }

    /** Reads the level's data; the objects themselves are made in tick 1. */
    void load() {
        loaded = true;
        graphics = getGraphics();
        width = getWidth();
        height = getHeight();
        try {
            data();
        } catch (RuntimeException e) {
            // A property value such as 1/0; the level runs with what was read.
            report(e);
        }
        sizeInstanceTables();
    }

    /** One tick of logic: keys, timers, events, then the objects' behaviour. */
    void tick() {
        latchKeys();
        rand = random.nextInt(100);
        endTime_ob = (int) ((long) obtime * 1000 / TICKS_PER_SECOND);
        for (int n = 1; n <= TIMERS; n++) {
            timer_regim[n] = obtime > 0 && obtime % (n * TICKS_PER_SECOND) == 0 ? 3 : 1;
        }
        for (int i = 0; i < LAYERS; i++) {
            viewBefore[i] = manager_X[i];
            viewBefore[LAYERS + i] = manager_Y[i];
        }
        Player before = player;
        try {
            script();
        } catch (RuntimeException e) {
            report(e);
        }
        if (player != before && player != null) {
            keepSound(player);
        }
        noticeViewChanges();
        if (!worldKnown && obtime >= 1) {
            measureWorld();
        }
        for (int i = 0; i < actorCount; i++) {
            behave(actors[i]);
        }
        followPlayer();
        releaseFinishedSounds();
        obtime++;
    }

    /** Paints the scene, the drawing statements and any message, then shows the frame. */
    void render() {
        Graphics g = graphics;
        g.translate(-g.getTranslateX(), -g.getTranslateY());
        g.setClip(0, 0, width, height);
        g.setColor(background);
        g.fillRect(0, 0, width, height);
        for (int layer = 1; layer <= LAYERS; layer++) {
            int viewX = manager_X[layer - 1];
            int viewY = manager_Y[layer - 1];
            g.translate(-viewX, -viewY);
            for (int i = 0; i < backdropCount; i++) {
                if (backdropLayer[i] == layer && inView(backdrops[i], viewX, viewY)) {
                    backdrops[i].paint(g);
                }
            }
            for (int i = 0; i < actorCount; i++) {
                Actor a = actors[i];
                if (a.layer == layer && inView(a, viewX, viewY)) {
                    a.paint(g);
                }
            }
            g.translate(viewX, viewY);
        }
        g.setColor(0x000000);
        g.setFont(Font.getDefaultFont());
        g.setStrokeStyle(Graphics.SOLID);
        try {
            graphicsOver();
        } catch (RuntimeException e) {
            report(e);
        }
        g.translate(-g.getTranslateX(), -g.getTranslateY());
        g.setClip(0, 0, width, height);
        paintReport(g);
        flushGraphics();
    }

    private boolean inView(Layer l, int viewX, int viewY) {
        return l.isVisible() && l.getX() < viewX + width && l.getX() + l.getWidth() > viewX
                && l.getY() < viewY + height && l.getY() + l.getHeight() > viewY;
    }

    // ---- Data supplied by the level class.

    /** The level's background colour. */
    final void colour(int red, int green, int blue) {
        background = (red & 0xFF) << 16 | (green & 0xFF) << 8 | blue & 0xFF;
    }

    /** The placed active objects: per placement its definition (from 1), picture and sizes. */
    final void placeActive(int placed, int[] group, String[] images, int[] layers, int[] solid,
            int[] frameWidths, int[] frameHeights, int[] speeds, int[] accels, int[] brakings) {
        activePlaced = Math.min(placed, group.length);
        activeGroup = group;
        activeImages = images;
        activeLayers = layers;
        activeSolid = solid;
        tileWidthob = frameWidths;
        tileHeightob = frameHeights;
        activeSpeed = speeds;
        activeAccel = accels;
        activeBraking = brakings;
    }

    /** Per active definition: starting mode, control type, path, speed and properties. */
    final void defineActive(int[] modes, int[] controlTypes, int[] paths, int[] speeds,
            int[][] properties) {
        startMode = modes;
        controls = controlTypes;
        startPath = paths;
        startSpeed = speeds;
        actProperties = properties;
    }

    /** Animation frames [direction 0..7][placement][slot] of moving, standing and attacking. */
    final void animations(int[][][] moving, int[][][] standing, int[][][] attacking) {
        frames[Actor.MOVING] = moving;
        frames[Actor.STANDING] = standing;
        frames[Actor.ATTACKING] = attacking;
    }

    /** The placed background objects: per placement its definition, picture and map size. */
    final void placeBackgrounds(int placed, int[] group, String[] images, int[] tileWidths,
            int[] tileHeights, int[] columns, int[] rows, int[] layers) {
        fonPlaced = Math.min(placed, group.length);
        fonGroup = group;
        fonImages = images;
        fonTileWidth = tileWidths;
        fonTileHeight = tileHeights;
        fonColumns = columns;
        fonRows = rows;
        fonLayers = layers;
    }

    /** Per background definition: its kind (neutral, obstacle, ladder) and properties. */
    final void defineBackgrounds(int[] kinds, int[][] properties) {
        fonKinds = kinds;
        fonProperties = properties;
    }

    /** Paths: point counts, point positions and up to three successors of each point. */
    final void paths(int[] counts, int[][] xs, int[][] ys, int[][][] successors) {
        pathLength = counts;
        pathX = xs;
        pathY = ys;
        pathNext = successors;
    }

    /** Instance tables sized by the placements, so that events can name any definition. */
    private void sizeInstanceTables() {
        int[] actives = new int[OBJECTS];
        for (int k = 0; k < activePlaced; k++) {
            int d = activeGroup[k] - 1;
            if (d >= 0 && d < OBJECTS) {
                actives[d]++;
            }
        }
        // Objects that are not on this level collide with nothing.
        TiledLayer none = new TiledLayer(1, 1, Image.createImage(1, 1), 1, 1);
        int[] fons = new int[OBJECTS];
        for (int k = 0; k < fonPlaced; k++) {
            int d = fonGroup[k] - 1;
            if (d >= 0 && d < OBJECTS) {
                fons[d]++;
            }
        }
        for (int d = 0; d < OBJECTS; d++) {
            int n = actives[d] + 1;
            act[d] = new Sprite[n];
            act_upr[d] = new int[n];
            act_napr[d] = new int[n];
            act_tr_number[d] = new int[n];
            act_sv1[d] = new int[n];
            act_sv2[d] = new int[n];
            act_sv3[d] = new int[n];
            act_sv4[d] = new int[n];
            act_sv5[d] = new int[n];
            gr_obj[d + 1] = new int[n];
            int f = fons[d];
            fon[d] = new TiledLayer[f];
            fon_sv1[d] = new int[f];
            fon_sv2[d] = new int[f];
            fon_sv3[d] = new int[f];
            fon_sv4[d] = new int[f];
            fon_sv5[d] = new int[f];
            gr_fon[d + 1] = new int[f];
            fonPole[d] = none;
        }
        gr_obj[0] = new int[1];
        gr_fon[0] = new int[0];
    }

    // ---- Making objects.

    /** Makes an instance of active definition d + 1 with its top-left corner at x, y. */
    void active_create(int d, int x, int y) {
        int k = placementOf(d + 1, nextActive, activeGroup, activePlaced);
        nextActive = k + 1;
        if (k < 0 || d < 0 || d >= OBJECTS) {
            return;
        }
        int n = quan_act[d] + 1;
        if (n >= act[d].length) {
            return;
        }
        Image image = picture(activeImages[k]);
        int frameWidth = between(at(tileWidthob, k), 1, image.getWidth());
        int frameHeight = between(at(tileHeightob, k), 1, image.getHeight());
        Actor a = new Actor(cut(image, frameWidth, frameHeight), frameWidth, frameHeight);
        a.def = d;
        a.kr = n;
        a.layer = between(at(activeLayers, k), 1, LAYERS);
        a.solid = at(activeSolid, k) != 0;
        a.control = at(controls, d);
        a.speed = Math.max(1, at(activeSpeed, k)) * SPEED_UNIT;
        a.accel = Math.max(1, at(activeAccel, k));
        a.braking = Math.max(1, at(activeBraking, k));
        a.carSpeed = at(startSpeed, d);
        for (int kind = 0; kind < 3; kind++) {
            int[][][] byDirection = frames[kind];
            for (int dir = 1; dir <= 8; dir++) {
                a.frames[kind][dir] = byDirection == null || dir - 1 >= byDirection.length
                        ? null : a.usable(at(byDirection[dir - 1], k));
            }
        }
        a.dir = a.firstDirection();
        a.setPosition(x, y);
        a.fx = x * FIX;
        a.fy = y * FIX;
        int mode = at(startMode, d);
        if (mode == CALM && a.control != NO_CONTROL) {
            mode = PLAYER;
        }
        act[d][n] = a;
        act_upr[d][n] = mode;
        act_napr[d][n] = a.dir;
        act_tr_number[d][n] = at(startPath, d);
        act_sv1[d][n] = at(actProperties[0], d);
        act_sv2[d][n] = at(actProperties[1], d);
        act_sv3[d][n] = at(actProperties[2], d);
        act_sv4[d][n] = at(actProperties[3], d);
        act_sv5[d][n] = at(actProperties[4], d);
        gr_obj[d + 1][n] = k;
        quan_act[d] = n;
        if (actorCount == actors.length) {
            Actor[] grown = new Actor[actorCount * 2];
            System.arraycopy(actors, 0, grown, 0, actorCount);
            actors = grown;
        }
        actors[actorCount++] = a;
        worldKnown = false;
    }

    /** Makes an instance of background definition d + 1 with its top-left corner at x, y. */
    void fon_create(int d, int x, int y) {
        int k = placementOf(d + 1, nextFon, fonGroup, fonPlaced);
        nextFon = k + 1;
        if (k < 0 || d < 0 || d >= OBJECTS) {
            return;
        }
        int n = kol_fon[d + 1];
        if (n >= fon[d].length) {
            return;
        }
        Image image = picture(at(fonImages, k));
        int tileWidth = between(at(fonTileWidth, k), 1, image.getWidth());
        int tileHeight = between(at(fonTileHeight, k), 1, image.getHeight());
        int columns = Math.max(1, at(fonColumns, k));
        int rows = Math.max(1, at(fonRows, k));
        Image tiles = cut(image, tileWidth, tileHeight);
        TiledLayer t = new TiledLayer(columns, rows, tiles, tileWidth, tileHeight);
        int tileCount = (tiles.getWidth() / tileWidth) * (tiles.getHeight() / tileHeight);
        int[] cells = readMap("/fon" + (level - 1) + "-" + k + ".txt", columns * rows);
        for (int row = 0; row < rows; row++) {
            for (int column = 0; column < columns; column++) {
                int tile = cells[row * columns + column];
                t.setCell(column, row, tile >= 0 && tile <= tileCount ? tile : 0);
            }
        }
        t.setPosition(x, y);
        fon[d][n] = t;
        fon_sv1[d][n] = at(fonProperties[0], d);
        fon_sv2[d][n] = at(fonProperties[1], d);
        fon_sv3[d][n] = at(fonProperties[2], d);
        fon_sv4[d][n] = at(fonProperties[3], d);
        fon_sv5[d][n] = at(fonProperties[4], d);
        gr_fon[d + 1][n] = k;
        kol_fon[d + 1] = n + 1;
        fonPole[d] = n == 0 ? t : joined(fonPole[d], t, tiles);
        if (backdropCount == backdrops.length) {
            TiledLayer[] grownLayers = new TiledLayer[backdropCount * 2];
            int[] grownNumbers = new int[backdropCount * 2];
            System.arraycopy(backdrops, 0, grownLayers, 0, backdropCount);
            System.arraycopy(backdropLayer, 0, grownNumbers, 0, backdropCount);
            backdrops = grownLayers;
            backdropLayer = grownNumbers;
        }
        backdrops[backdropCount] = t;
        backdropLayer[backdropCount] = between(at(fonLayers, k), 1, LAYERS);
        backdropCount++;
        int kind = at(fonKinds, d);
        if (kind == OBSTACLE) {
            obstacles = appended(obstacles, t);
        } else if (kind == LADDER) {
            ladders = appended(ladders, t);
        }
        worldKnown = false;
    }

    /**
     * The placement behind the next creation: the next one in placement order when it is of
     * the definition, otherwise the first placement of the definition; -1 when it has none.
     */
    private static int placementOf(int definition, int next, int[] group, int placed) {
        if (next < placed && group[next] == definition) {
            return next;
        }
        for (int k = 0; k < placed; k++) {
            if (group[k] == definition) {
                return k;
            }
        }
        return -1;
    }

    /** One layer holding the cells of two layers of the same tile set, on the first's grid. */
    private TiledLayer joined(TiledLayer a, TiledLayer b, Image tiles) {
        int cellWidth = a.getCellWidth();
        int cellHeight = a.getCellHeight();
        int left = Math.min(a.getX(), b.getX());
        int top = Math.min(a.getY(), b.getY());
        left = a.getX() - ceilDiv(a.getX() - left, cellWidth) * cellWidth;
        top = a.getY() - ceilDiv(a.getY() - top, cellHeight) * cellHeight;
        int right = Math.max(a.getX() + a.getWidth(), b.getX() + b.getWidth());
        int bottom = Math.max(a.getY() + a.getHeight(), b.getY() + b.getHeight());
        int columns = ceilDiv(right - left, cellWidth);
        int rows = ceilDiv(bottom - top, cellHeight);
        TiledLayer j = new TiledLayer(columns, rows, tiles, cellWidth, cellHeight);
        j.setPosition(left, top);
        copyCells(a, j);
        copyCells(b, j);
        return j;
    }

    private static void copyCells(TiledLayer from, TiledLayer to) {
        int dc = (from.getX() - to.getX() + to.getCellWidth() / 2) / to.getCellWidth();
        int dr = (from.getY() - to.getY() + to.getCellHeight() / 2) / to.getCellHeight();
        for (int row = 0; row < from.getRows(); row++) {
            for (int column = 0; column < from.getColumns(); column++) {
                int tile = from.getCell(column, row);
                int c = column + dc;
                int r = row + dr;
                if (tile != 0 && c < to.getColumns() && r < to.getRows()) {
                    to.setCell(c, r, tile);
                }
            }
        }
    }

    private static int ceilDiv(int a, int b) {
        return (a + b - 1) / b;
    }

    private static TiledLayer[] appended(TiledLayer[] list, TiledLayer t) {
        TiledLayer[] grown = new TiledLayer[list.length + 1];
        System.arraycopy(list, 0, grown, 0, list.length);
        grown[list.length] = t;
        return grown;
    }

    /** The level's first screen and every map. */
    private void measureWorld() {
        worldKnown = true;
        worldLeft = 0;
        worldTop = 0;
        worldRight = width;
        worldBottom = height;
        for (int i = 0; i < backdropCount; i++) {
            TiledLayer t = backdrops[i];
            worldLeft = Math.min(worldLeft, t.getX());
            worldTop = Math.min(worldTop, t.getY());
            worldRight = Math.max(worldRight, t.getX() + t.getWidth());
            worldBottom = Math.max(worldBottom, t.getY() + t.getHeight());
        }
    }

    // ---- Pictures and maps.

    /** A picture of the game archive; a marked stand-in when it is missing or broken. */
    Image picture(String name) {
        Image image = (Image) pictures.get(name);
        if (image != null) {
            return image;
        }
        try {
            image = Image.createImage(name);
        } catch (IOException e) {
            report(new IOException("no picture " + name));
        } catch (RuntimeException e) {
            report(e);
        }
        if (image == null) {
            Image missing = Image.createImage(16, 16);
            Graphics g = missing.getGraphics();
            g.setColor(0xFF00FF);
            g.fillRect(0, 0, 16, 16);
            image = missing;
        }
        pictures.put(name, image);
        return image;
    }

    /** The picture cut to whole frames: a strip wider than its frames is trimmed. */
    private static Image cut(Image image, int frameWidth, int frameHeight) {
        int w = image.getWidth() / frameWidth * frameWidth;
        int h = image.getHeight() / frameHeight * frameHeight;
        if (w == image.getWidth() && h == image.getHeight()) {
            return image;
        }
        return Image.createImage(image, 0, 0, w, h, Sprite.TRANS_NONE);
    }

    /** The cells of a map file: numbers separated by commas, row by row. */
    private int[] readMap(String name, int count) {
        int[] cells = new int[count];
        InputStream in = getClass().getResourceAsStream(name);
        if (in == null) {
            report(new IOException("no map " + name));
            return cells;
        }
        try {
            int n = 0;
            int value = 0;
            boolean digits = false;
            boolean negative = false;
            int c;
            while ((c = in.read()) >= 0 && n < count) {
                if (c >= '0' && c <= '9') {
                    value = value * 10 + c - '0';
                    digits = true;
                } else if (c == '-') {
                    negative = true;
                } else if (c == ',') {
                    cells[n++] = digits ? (negative ? -value : value) : 0;
                    value = 0;
                    digits = false;
                    negative = false;
                }
            }
        } catch (IOException e) {
            report(e);
        } finally {
            try {
                in.close();
            } catch (IOException e) {
                // Nothing more is read from it.
            }
        }
        return cells;
    }

    // ---- Keys.

    protected void keyPressed(int keyCode) {
        int key = keyOf(keyCode);
        if (key >= 0) {
            synchronized (keyLock) {
                keyDown[key] = true;
                keyPressed[key] = true;
            }
        }
    }

    protected void keyReleased(int keyCode) {
        int key = keyOf(keyCode);
        if (key >= 0) {
            synchronized (keyLock) {
                keyDown[key] = false;
                keyReleased[key] = true;
            }
        }
    }

    protected void hideNotify() {
        synchronized (keyLock) {
            for (int i = 0; i < KEYS; i++) {
                keyDown[i] = false;
            }
        }
    }

    private int keyOf(int keyCode) {
        if (keyCode >= KEY_NUM1 && keyCode <= KEY_NUM9) {
            return K_1 + keyCode - KEY_NUM1;
        }
        switch (keyCode) {
            case KEY_NUM0:
                return K_0;
            case KEY_STAR:
                return K_STAR;
            case KEY_POUND:
                return K_POUND;
            // Soft keys: the common codes and those of some other makers.
            case -6:
            case -21:
                return K_LS;
            case -7:
            case -22:
                return K_RS;
            default:
                break;
        }
        int action;
        try {
            action = getGameAction(keyCode);
        } catch (IllegalArgumentException e) {
            return -1;
        }
        switch (action) {
            case UP:
                return K_UP;
            case DOWN:
                return K_DOWN;
            case LEFT:
                return K_LEFT;
            case RIGHT:
                return K_RIGHT;
            case FIRE:
                return K_FIRE;
            default:
                return -1;
        }
    }

    /** Takes the keys of the time since the last tick: a press and release both count. */
    private void latchKeys() {
        boolean any = false;
        synchronized (keyLock) {
            for (int i = 0; i < KEYS; i++) {
                pressed[i] = keyPressed[i];
                released[i] = keyReleased[i];
                held[i] = keyDown[i] || keyPressed[i];
                any |= keyPressed[i];
                keyPressed[i] = false;
                keyReleased[i] = false;
            }
        }
        anykey = any;
        key_ls_1 = pressed[K_LS]; key_ls_2 = released[K_LS]; key_ls_3 = held[K_LS];
        key_rs_1 = pressed[K_RS]; key_rs_2 = released[K_RS]; key_rs_3 = held[K_RS];
        key_up_1 = pressed[K_UP]; key_up_2 = released[K_UP]; key_up_3 = held[K_UP];
        key_left_1 = pressed[K_LEFT]; key_left_2 = released[K_LEFT]; key_left_3 = held[K_LEFT];
        key_right_1 = pressed[K_RIGHT]; key_right_2 = released[K_RIGHT];
        key_right_3 = held[K_RIGHT];
        key_down_1 = pressed[K_DOWN]; key_down_2 = released[K_DOWN]; key_down_3 = held[K_DOWN];
        key_fire_1 = pressed[K_FIRE]; key_fire_2 = released[K_FIRE]; key_fire_3 = held[K_FIRE];
        key_1_1 = pressed[K_1]; key_1_2 = released[K_1]; key_1_3 = held[K_1];
        key_2_1 = pressed[K_1 + 1]; key_2_2 = released[K_1 + 1]; key_2_3 = held[K_1 + 1];
        key_3_1 = pressed[K_1 + 2]; key_3_2 = released[K_1 + 2]; key_3_3 = held[K_1 + 2];
        key_4_1 = pressed[K_1 + 3]; key_4_2 = released[K_1 + 3]; key_4_3 = held[K_1 + 3];
        key_5_1 = pressed[K_1 + 4]; key_5_2 = released[K_1 + 4]; key_5_3 = held[K_1 + 4];
        key_6_1 = pressed[K_1 + 5]; key_6_2 = released[K_1 + 5]; key_6_3 = held[K_1 + 5];
        key_7_1 = pressed[K_1 + 6]; key_7_2 = released[K_1 + 6]; key_7_3 = held[K_1 + 6];
        key_8_1 = pressed[K_1 + 7]; key_8_2 = released[K_1 + 7]; key_8_3 = held[K_1 + 7];
        key_9_1 = pressed[K_1 + 8]; key_9_2 = released[K_1 + 8]; key_9_3 = held[K_1 + 8];
        key_0_1 = pressed[K_0]; key_0_2 = released[K_0]; key_0_3 = held[K_0];
        key_zv_1 = pressed[K_STAR]; key_zv_2 = released[K_STAR]; key_zv_3 = held[K_STAR];
        key_r_1 = pressed[K_POUND]; key_r_2 = released[K_POUND]; key_r_3 = held[K_POUND];
    }

    /** A direction key, or its keypad twin (2 up, 4 left, 6 right, 8 down, 5 fire), is down. */
    private boolean steering(int key, int digit) {
        return held[key] || held[K_1 + digit - 1];
    }

    // ---- Behaviour.

    private void behave(Actor a) {
        int mode = act_upr[a.def][a.kr];
        a.follow();
        if (mode != a.mode) {
            a.enter(mode);
        }
        if (mode == DEATH) {
            die(a);
            return;
        }
        int style = a.control == NO_CONTROL ? TOP_DOWN : a.control;
        int ix = 0;
        int iy = 0;
        boolean jump = false;
        boolean attacking = false;
        if (mode == PATH) {
            walkPath(a);
            act_napr[a.def][a.kr] = a.dir;
            return;
        }
        if (mode == PLAYER) {
            ix = (steering(K_RIGHT, 6) ? 1 : 0) - (steering(K_LEFT, 4) ? 1 : 0);
            iy = (steering(K_DOWN, 8) ? 1 : 0) - (steering(K_UP, 2) ? 1 : 0);
            jump = steering(K_FIRE, 5);
        } else if (mode == PURSUIT || mode == ATTACK) {
            Actor target = target(a);
            if (target != null) {
                if (touching(a, target)) {
                    attacking = mode == ATTACK;
                } else {
                    int dead = Math.max(1, a.speed / FIX);
                    int dx = target.getX() + target.getWidth() / 2 - a.getX() - a.getWidth() / 2;
                    int dy = target.getY() + target.getHeight() / 2 - a.getY() - a.getHeight() / 2;
                    ix = dx > dead ? 1 : dx < -dead ? -1 : 0;
                    iy = dy > dead ? 1 : dy < -dead ? -1 : 0;
                }
            }
        }
        boolean moved;
        if (style == SIDE_VIEW) {
            moved = moveSideView(a, ix, iy, jump, mode == PLAYER);
        } else if (style == CAR) {
            moved = moveCar(a, ix, iy, mode == PLAYER);
        } else {
            moved = moveTopDown(a, ix, iy);
        }
        a.animate(attacking ? Actor.ATTACKING : moved ? Actor.MOVING : Actor.STANDING);
        act_napr[a.def][a.kr] = a.dir;
    }

    private boolean moveTopDown(Actor a, int ix, int iy) {
        if (ix == 0 && iy == 0) {
            return false;
        }
        a.dir = direction(ix, iy);
        int step = a.speed;
        int x = a.getX();
        int y = a.getY();
        a.fx += step * UNIT_X[a.dir] / FIX;
        a.fy += step * UNIT_Y[a.dir] / FIX;
        slide(a);
        return a.getX() != x || a.getY() != y;
    }

    private boolean moveSideView(Actor a, int ix, int iy, boolean jump, boolean byKeys) {
        int w = a.getWidth();
        int h = a.getHeight();
        int x0 = a.getX();
        boolean climbed = false;
        if (ix != 0) {
            a.dir = ix > 0 ? 1 : 5;
            a.fx += ix * a.speed;
            slideX(a);
        }
        int cx = a.getX() + w / 2;
        int y = a.getY();
        boolean inLadder = ladderAt(cx, y + h - 1) || ladderAt(cx, y + h / 2);
        boolean ladderBelow = ladderAt(cx, y + h);
        if (iy < 0 && inLadder) {
            for (int s = a.speed / FIX; s > 0 && !blocked(a, a.getX(), a.getY() - 1)
                    && (ladderAt(cx, a.getY() + h - 1) || ladderAt(cx, a.getY() + h / 2)); s--) {
                a.setPosition(a.getX(), a.getY() - 1);
            }
            climbed = a.getY() != y;
        } else if (iy > 0 && (inLadder || ladderBelow)) {
            for (int s = a.speed / FIX; s > 0 && !blocked(a, a.getX(), a.getY() + 1)
                    && (ladderAt(cx, a.getY() + h) || ladderAt(cx, a.getY() + h - 1)); s--) {
                a.setPosition(a.getX(), a.getY() + 1);
            }
            climbed = a.getY() != y;
        }
        if (climbed) {
            a.vy = 0;
            a.dir = iy < 0 ? 3 : 7;
            a.fy = a.getY() * FIX;
            return true;
        }
        boolean ground = blocked(a, a.getX(), a.getY() + 1);
        boolean supported = ground || (a.vy >= 0 && (inLadder || ladderBelow));
        // Keys jump with FIRE; pursuers jump over what blocks their way.
        boolean wantsJump = byKeys ? jump : ix != 0 && a.getX() == x0 && ground;
        if (supported) {
            a.vy = wantsJump ? -(6 + a.accel) * FIX : 0;
        } else {
            a.vy = Math.min(a.vy + GRAVITY, MAX_FALL);
        }
        if (a.vy != 0) {
            a.fy += a.vy;
            if (slideY(a)) {
                a.vy = 0;
            }
        }
        return a.getX() != x0;
    }

    private boolean moveCar(Actor a, int ix, int iy, boolean byKeys) {
        int max = a.speed * 4 / 3;
        if (byKeys) {
            if (ix != 0 && a.carSpeed != 0 && ++a.turnTicks >= CAR_TURN_TICKS) {
                a.turnTicks = 0;
                a.dir = turned(a.dir, a.carSpeed > 0 ? -ix : ix);
            }
            if (iy < 0) {
                a.carSpeed = Math.min(max, a.carSpeed + a.accel);
            } else if (iy > 0) {
                a.carSpeed = a.carSpeed > 0 ? Math.max(0, a.carSpeed - a.braking * 2)
                        : Math.max(-max / 2, a.carSpeed - a.accel);
            } else {
                a.carSpeed = toward(a.carSpeed, 0, Math.max(1, a.braking / 2));
            }
        } else if (ix != 0 || iy != 0) {
            int wanted = direction(ix, iy);
            if (wanted != a.dir && ++a.turnTicks >= CAR_TURN_TICKS) {
                a.turnTicks = 0;
                int left = (wanted - a.dir + 8) % 8;
                a.dir = turned(a.dir, left <= 4 ? 1 : -1);
            }
            int aim = (wanted - a.dir + 8) % 8;
            a.carSpeed = aim <= 1 || aim == 7 ? Math.min(max, a.carSpeed + a.accel)
                                              : toward(a.carSpeed, 0, a.braking * 2);
        } else {
            a.carSpeed = toward(a.carSpeed, 0, a.braking * 2);
        }
        if (a.carSpeed == 0) {
            return false;
        }
        int x = a.getX();
        int y = a.getY();
        a.fx += a.carSpeed * UNIT_X[a.dir] / FIX;
        a.fy += a.carSpeed * UNIT_Y[a.dir] / FIX;
        if (slide(a)) {
            a.carSpeed = 0;
        }
        return a.getX() != x || a.getY() != y;
    }

    private static int toward(int value, int goal, int step) {
        return value > goal ? Math.max(goal, value - step) : Math.min(goal, value + step);
    }

    private static int turned(int dir, int by) {
        return (dir - 1 + by + 8) % 8 + 1;
    }

    /** The direction 1..8 of a step, counter-clockwise from the right. */
    static int direction(int dx, int dy) {
        int ax = Math.abs(dx);
        int ay = Math.abs(dy);
        if (ax > 2 * ay) {
            return dx > 0 ? 1 : 5;
        }
        if (ay > 2 * ax) {
            return dy < 0 ? 3 : 7;
        }
        if (dy < 0) {
            return dx > 0 ? 2 : 4;
        }
        return dx > 0 ? 8 : 6;
    }

    /** Moves to the sub-pixel position both ways, sliding along what blocks; true if blocked. */
    private boolean slide(Actor a) {
        boolean blockedX = slideX(a);
        boolean blockedY = slideY(a);
        return blockedX || blockedY;
    }

    private boolean slideX(Actor a) {
        int x = a.getX();
        int target = keptInside(floorFix(a.fx), a.getWidth(), worldLeft, worldRight);
        int reached = reach(a, x, target, true);
        a.setPosition(reached, a.getY());
        if (reached != target) {
            a.fx = reached * FIX;
            return true;
        }
        return false;
    }

    private boolean slideY(Actor a) {
        int y = a.getY();
        int target = keptInside(floorFix(a.fy), a.getHeight(), worldTop, worldBottom);
        int reached = reach(a, y, target, false);
        a.setPosition(a.getX(), reached);
        if (reached != target) {
            a.fy = reached * FIX;
            return true;
        }
        return false;
    }

    /** Within the area of the maps, when there is room. */
    private static int keptInside(int at, int size, int low, int high) {
        if (high - low < size) {
            return at;
        }
        return Math.max(low, Math.min(at, high - size));
    }

    /** How far along one axis an object gets towards a target before an obstacle. */
    private int reach(Actor a, int from, int to, boolean horizontal) {
        if (from == to || !a.solid || obstacles.length == 0 || blocked(a, a.getX(), a.getY())) {
            return to;
        }
        int step = to > from ? 1 : -1;
        int at = from;
        while (at != to) {
            int x = horizontal ? at + step : a.getX();
            int y = horizontal ? a.getY() : at + step;
            if (blocked(a, x, y)) {
                break;
            }
            at += step;
        }
        return at;
    }

    /** Whether an object would overlap an obstacle cell at x, y. */
    private boolean blocked(Actor a, int x, int y) {
        if (!a.solid) {
            return false;
        }
        return cellIn(obstacles, x, y, a.getWidth(), a.getHeight());
    }

    private boolean ladderAt(int x, int y) {
        return cellIn(ladders, x, y, 1, 1);
    }

    /** Whether a rectangle meets a filled cell of one of the visible layers. */
    private static boolean cellIn(TiledLayer[] layers, int x, int y, int w, int h) {
        for (int i = 0; i < layers.length; i++) {
            TiledLayer t = layers[i];
            if (!t.isVisible()) {
                continue;
            }
            int left = x - t.getX();
            int top = y - t.getY();
            if (left + w <= 0 || top + h <= 0 || left >= t.getWidth() || top >= t.getHeight()) {
                continue;
            }
            int cw = t.getCellWidth();
            int ch = t.getCellHeight();
            int firstColumn = Math.max(0, left) / cw;
            int lastColumn = Math.min(t.getWidth() - 1, left + w - 1) / cw;
            int firstRow = Math.max(0, top) / ch;
            int lastRow = Math.min(t.getHeight() - 1, top + h - 1) / ch;
            for (int row = firstRow; row <= lastRow; row++) {
                for (int column = firstColumn; column <= lastColumn; column++) {
                    if (t.getCell(column, row) != 0) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    private static boolean touching(Actor a, Actor b) {
        return a.getX() <= b.getX() + b.getWidth() && b.getX() <= a.getX() + a.getWidth()
                && a.getY() <= b.getY() + b.getHeight() && b.getY() <= a.getY() + a.getHeight();
    }

    /**
     * The instance number kd names the target; the object is chosen among those that have
     * such an instance: one under player control first, otherwise the nearest.
     */
    private Actor target(Actor a) {
        if (a.target != null && a.targetKd == kd && alive(a.target)) {
            return a.target;
        }
        a.targetKd = kd;
        a.target = null;
        long best = Long.MAX_VALUE;
        for (int d = 0; d < OBJECTS; d++) {
            if (kd < 1 || kd > quan_act[d]) {
                continue;
            }
            Actor c = (Actor) act[d][kd];
            if (c == a || !alive(c)) {
                continue;
            }
            long dx = c.getX() - a.getX();
            long dy = c.getY() - a.getY();
            long score = dx * dx + dy * dy;
            if (act_upr[d][kd] != PLAYER) {
                score += 1L << 40;
            }
            if (score < best) {
                best = score;
                a.target = c;
            }
        }
        return a.target;
    }

    private boolean alive(Actor a) {
        return a.isVisible() && act_upr[a.def][a.kr] != DEATH;
    }

    private void die(Actor a) {
        if (a.gone) {
            return;
        }
        if (!a.dying) {
            a.dying = true;
            // A dying object touches nothing any more.
            a.defineCollisionRectangle(0, 0, 0, 0);
            a.ticksLeft = a.show(Actor.ATTACKING) * ANIMATION_TICKS;
        } else if (--a.ticksLeft > 0) {
            if (a.ticksLeft % ANIMATION_TICKS == 0) {
                a.nextFrame();
            }
            return;
        }
        if (a.ticksLeft <= 0) {
            a.setVisible(false);
            a.gone = true;
        }
    }

    /** From point to point of the path, choosing among each point's successors. */
    private void walkPath(Actor a) {
        int p = act_tr_number[a.def][a.kr];
        int count = p < 0 || p >= pathLength.length || p >= pathX.length || p >= pathY.length
                ? 0 : Math.min(pathLength[p], Math.min(pathX[p].length, pathY[p].length));
        if (count <= 0) {
            a.animate(Actor.STANDING);
            return;
        }
        if (a.path != p || a.pathPoint >= count) {
            a.path = p;
            a.pathPoint = 0;
        }
        int centreX = a.fx + a.getWidth() * FIX / 2;
        int centreY = a.fy + a.getHeight() * FIX / 2;
        int dx = pathX[p][a.pathPoint] * FIX - centreX;
        int dy = pathY[p][a.pathPoint] * FIX - centreY;
        int distance = (int) Math.sqrt((double) dx * dx + (double) dy * dy);
        boolean moving = distance > 0;
        if (distance <= a.speed) {
            a.fx += dx;
            a.fy += dy;
            a.pathPoint = nextPoint(p, a.pathPoint, count);
        } else {
            a.fx += (int) ((long) dx * a.speed / distance);
            a.fy += (int) ((long) dy * a.speed / distance);
        }
        if (moving) {
            a.dir = direction(dx, dy);
        }
        a.setPosition(floorFix(a.fx), floorFix(a.fy));
        a.animate(moving ? Actor.MOVING : Actor.STANDING);
    }

    /** Whole pixels of a sub-pixel value, rounded down. */
    static int floorFix(int value) {
        return value >= 0 ? value / FIX : -((-value + FIX - 1) / FIX);
    }

    /** One of the point's successors at random; without any, the next point (the last leads to the first). */
    private int nextPoint(int p, int point, int count) {
        int[] choices = new int[3];
        int n = 0;
        int[][] successors = p < pathNext.length ? pathNext[p] : new int[0][];
        if (point < successors.length) {
            int[] next = successors[point];
            for (int i = 0; i < next.length && i < 3; i++) {
                if (next[i] >= 1 && next[i] <= count) {
                    choices[n++] = next[i] - 1;
                }
            }
        }
        if (n == 0) {
            return (point + 1) % count;
        }
        return choices[random.nextInt(n)];
    }

    // ---- The view.

    private void noticeViewChanges() {
        for (int i = 0; i < LAYERS; i++) {
            viewByEventsX |= viewBefore[i] != manager_X[i];
            viewByEventsY |= viewBefore[LAYERS + i] != manager_Y[i];
        }
    }

    /** The view keeps the first object under player control in the middle, within the maps. */
    private void followPlayer() {
        if (viewByEventsX && viewByEventsY) {
            return;
        }
        for (int i = 0; i < actorCount; i++) {
            Actor a = actors[i];
            if (act_upr[a.def][a.kr] != PLAYER || a.gone) {
                continue;
            }
            int x = keptInView(a.getX() + a.getWidth() / 2 - width / 2, worldLeft, worldRight, width);
            int y = keptInView(a.getY() + a.getHeight() / 2 - height / 2, worldTop, worldBottom, height);
            for (int layer = 0; layer < LAYERS; layer++) {
                if (!viewByEventsX) {
                    manager_X[layer] = x;
                }
                if (!viewByEventsY) {
                    manager_Y[layer] = y;
                }
            }
            return;
        }
    }

    private static int keptInView(int at, int low, int high, int size) {
        return Math.max(low, Math.min(at, Math.max(low, high - size)));
    }

    // ---- Sound.

    /** Keeps the last few sounds playing; the oldest is closed when a fifth starts. */
    private void keepSound(Player started) {
        if (sounds[sounds.length - 1] != null) {
            close(sounds[sounds.length - 1]);
        }
        System.arraycopy(sounds, 0, sounds, 1, sounds.length - 1);
        sounds[0] = started;
    }

    private void releaseFinishedSounds() {
        for (int i = 0; i < sounds.length; i++) {
            if (sounds[i] != null && sounds[i].getState() != Player.STARTED) {
                close(sounds[i]);
                sounds[i] = null;
            }
        }
    }

    private void silence() {
        for (int i = 0; i < sounds.length; i++) {
            if (sounds[i] != null) {
                close(sounds[i]);
                sounds[i] = null;
            }
        }
    }

    private static void close(Player p) {
        try {
            p.close();
        } catch (RuntimeException e) {
            // A player that cannot be closed is let go all the same.
        }
    }

    // ---- Messages.

    /** A failure of event code or data: told on the console once and shown for 3 seconds. */
    void report(Throwable e) {
        String text = e.toString();
        if (!text.equals(report)) {
            System.err.println("Level " + level + ": event code or data failed: " + text);
            report = text;
        }
        reportUntil = obtime + 3 * TICKS_PER_SECOND;
    }

    private void paintReport(Graphics g) {
        if (report == null || obtime >= reportUntil) {
            return;
        }
        Font small = Font.getFont(Font.FACE_SYSTEM, Font.STYLE_PLAIN, Font.SIZE_SMALL);
        MultiLineText text = new MultiLineText(report, small, width - 8);
        int top = height - text.getHeight() - 4;
        g.setColor(0x800000);
        g.fillRect(0, top - 2, width, height - top + 2);
        g.setColor(0xFFFFFF);
        text.paint(g, 4, top, Graphics.LEFT);
    }

    // ---- Small helpers.

    static int at(int[] values, int index) {
        return values != null && index >= 0 && index < values.length ? values[index] : 0;
    }

    static int[] at(int[][] values, int index) {
        return values != null && index >= 0 && index < values.length ? values[index] : null;
    }

    static String at(String[] values, int index) {
        return values != null && index >= 0 && index < values.length ? values[index] : "";
    }

    static int between(int value, int low, int high) {
        return Math.max(low, Math.min(value, high));
    }
}

/** An instance of an active object: a sprite with the engine's state of it. */
final class Actor extends Sprite {
    static final int STANDING = 0;
    static final int MOVING = 1;
    static final int ATTACKING = 2;

    int def;
    int kr;
    int layer;
    boolean solid;
    int control;
    int mode = -1;
    /** Sixteenths of a pixel per tick. */
    int speed;
    int accel;
    int braking;
    /** Position in sixteenths of a pixel; the sprite shows it rounded down. */
    int fx;
    int fy;
    int vy;
    int carSpeed;
    int turnTicks;
    int dir = 1;
    /** Frame sequences [kind][direction 1..8]; null where the editor left none. */
    final int[][][] frames = new int[3][9][];
    private int[] shown;
    private int animationTicks;
    boolean dying;
    boolean gone;
    int ticksLeft;
    int path = -1;
    int pathPoint;
    Actor target;
    int targetKd = -1;

    Actor(Image image, int frameWidth, int frameHeight) {
        super(image, frameWidth, frameHeight);
    }

    /** A frame number outside the current sequence is ignored instead of failing the game. */
    public void setFrame(int sequenceIndex) {
        if (sequenceIndex >= 0 && sequenceIndex < getFrameSequenceLength()) {
            super.setFrame(sequenceIndex);
        }
    }

    /** Takes over a position that event code gave the sprite. */
    void follow() {
        if (getX() != Level.floorFix(fx)) {
            fx = getX() * Level.FIX;
        }
        if (getY() != Level.floorFix(fy)) {
            fy = getY() * Level.FIX;
        }
    }

    void enter(int newMode) {
        if (mode == Level.DEATH && newMode != Level.DEATH) {
            dying = false;
            gone = false;
            defineCollisionRectangle(0, 0, getWidth(), getHeight());
        }
        mode = newMode;
        path = -1;
        target = null;
        targetKd = -1;
    }

    /** The frames of a slot list that the strip has; null when none remain. */
    int[] usable(int[] slots) {
        if (slots == null) {
            return null;
        }
        int n = 0;
        for (int i = 0; i < slots.length; i++) {
            if (slots[i] >= 0 && slots[i] < getRawFrameCount()) {
                n++;
            }
        }
        if (n == 0) {
            return null;
        }
        int[] sequence = new int[n];
        n = 0;
        for (int i = 0; i < slots.length; i++) {
            if (slots[i] >= 0 && slots[i] < getRawFrameCount()) {
                sequence[n++] = slots[i];
            }
        }
        return sequence;
    }

    /** The first direction with a standing sequence, else right. */
    int firstDirection() {
        for (int d = 1; d <= 8; d++) {
            if (frames[STANDING][d] != null) {
                return d;
            }
        }
        return 1;
    }

    /**
     * The sequence of a kind for the current direction; failing that the kind's sequence that
     * is showing, then any direction of the kind, then standing. Null when the object has none.
     */
    private int[] sequence(int kind) {
        int[][] byDirection = frames[kind];
        if (byDirection[dir] != null) {
            return byDirection[dir];
        }
        for (int d = 1; d <= 8; d++) {
            if (byDirection[d] == shown && shown != null) {
                return shown;
            }
        }
        for (int d = 1; d <= 8; d++) {
            if (byDirection[d] != null) {
                return byDirection[d];
            }
        }
        return kind == STANDING ? null : sequence(STANDING);
    }

    /** Shows the sequence of a kind from its start; returns its length (0 when there is none). */
    int show(int kind) {
        int[] s = sequence(kind);
        if (s == null) {
            return 0;
        }
        setFrameSequence(s);
        shown = s;
        animationTicks = 0;
        return s.length;
    }

    /** Keeps the sequence of a kind running; objects without sequences keep their frame. */
    void animate(int kind) {
        int[] s = sequence(kind);
        if (s == null) {
            return;
        }
        if (s != shown) {
            setFrameSequence(s);
            shown = s;
            animationTicks = 0;
        } else if (++animationTicks >= Level.ANIMATION_TICKS) {
            animationTicks = 0;
            nextFrame();
        }
    }
}
