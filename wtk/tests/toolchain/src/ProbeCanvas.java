import java.io.IOException;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;

/**
 * Each press of RIGHT moves the sprite 50 pixels; FIRE, however short, shows its second frame;
 * the 9 key makes the game thread fail.
 */
public class ProbeCanvas extends GameCanvas implements Runnable {
    private final int background;
    private final Sprite sprite;
    private final LayerManager layers = new LayerManager();
    private volatile int x = 0;
    private volatile boolean fail;

    public ProbeCanvas(int background) {
        super(false);
        setFullScreenMode(true);
        this.background = background;
        Image frames;
        try {
            frames = Image.createImage("/sprite.png");
        } catch (IOException e) {
            throw new RuntimeException(e.toString());
        }
        sprite = new Sprite(frames, 8, 8);
        layers.append(sprite);
        new Thread(this).start();
    }

    protected void keyPressed(int keyCode) {
        if (getGameAction(keyCode) == RIGHT) {
            x += 50;
        } else if (keyCode == KEY_NUM9) {
            fail = true;
        }
    }

    public void run() {
        Graphics g = getGraphics();
        while (true) {
            if (fail) {
                throw new IllegalStateException("the probe was asked to fail");
            }
            if ((getKeyStates() & FIRE_PRESSED) != 0) {
                sprite.setFrame(1);
            }
            sprite.setPosition(x, 100);
            g.setColor(background);
            g.fillRect(0, 0, getWidth(), getHeight());
            layers.paint(g, 0, 0);
            flushGraphics();
            try {
                Thread.sleep(50);
            } catch (InterruptedException e) {
                return;
            }
        }
    }
}
