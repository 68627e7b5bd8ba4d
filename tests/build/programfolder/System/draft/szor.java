// The MIDlet of the build tests: starts at level 0 and switches levels by number.
import javax.microedition.midlet.*;
import javax.microedition.lcdui.*;

public class szor extends MIDlet {
    //vstavka1
    private boolean started = false;

    protected void startApp() {
        if (!started) {
            started = true;
            changeEtap(-1, 0);
        }
    }

    protected void pauseApp() {}

    protected void destroyApp(boolean unconditional) {}

    void changeEtap(int from, int to) {
        switch (from) { //vstavka2
        }
        switch (to) {
            //vstavka3
        }
    }
}
