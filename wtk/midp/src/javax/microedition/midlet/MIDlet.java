package javax.microedition.midlet;

import javax.microedition.io.ConnectionNotFoundException;
import zor.wtk.Access;
import zor.wtk.MidletRunner;
import zor.wtk.Suite;

public abstract class MIDlet {
    static {
        Access.register(new Access.Midlet() {
            public void start(MIDlet midlet) throws Exception {
                midlet.startApp();
            }

            public void pause(MIDlet midlet) {
                midlet.pauseApp();
            }

            public void destroy(MIDlet midlet) throws Exception {
                midlet.destroyApp(true);
            }
        });
    }

    protected MIDlet() {}

    protected abstract void startApp() throws MIDletStateChangeException;

    protected abstract void pauseApp();

    protected abstract void destroyApp(boolean unconditional) throws MIDletStateChangeException;

    public final void notifyDestroyed() {
        MidletRunner.notifyDestroyed(this);
    }

    public final void notifyPaused() {
        MidletRunner.notifyPaused(this);
    }

    public final String getAppProperty(String key) {
        if (key == null) {
            throw new NullPointerException();
        }
        return Suite.current().attribute(key);
    }

    public final void resumeRequest() {
        MidletRunner.resumeRequest(this);
    }

    public final boolean platformRequest(String URL) throws ConnectionNotFoundException {
        return false;
    }

    public final int checkPermission(String permission) {
        return 1;
    }
}
