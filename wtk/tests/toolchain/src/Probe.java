import javax.microedition.lcdui.Display;
import javax.microedition.midlet.MIDlet;

/** The MIDlet of the tool-chain test: source level 1.3, CLDC 1.1 and MIDP 2.0 only. */
public class Probe extends MIDlet {
    protected void startApp() {
        int background = Integer.parseInt(getAppProperty("Probe-Background"), 16);
        Display.getDisplay(this).setCurrent(new ProbeCanvas(background));
    }

    protected void pauseApp() {}

    protected void destroyApp(boolean unconditional) {}
}
