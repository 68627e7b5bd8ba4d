package javax.microedition.media;

import java.io.IOException;
import java.io.InputStream;
import zor.wtk.media.MediaPlayer;
import zor.wtk.media.Synth;

public final class Manager {
    public static final String TONE_DEVICE_LOCATOR = "device://tone";

    private static final String[] CONTENT_TYPES = {
            "audio/x-wav", "audio/basic", "audio/mpeg", "audio/midi", "audio/x-tone-seq"};
    private static final TimeBase SYSTEM_TIME_BASE = new TimeBase() {
        public long getTime() {
            return System.nanoTime() / 1000;
        }
    };

    private Manager() {}

    public static String[] getSupportedContentTypes(String protocol) {
        if (protocol == null || protocol.equals("device")) {
            return (String[]) CONTENT_TYPES.clone();
        }
        return new String[0];
    }

    public static String[] getSupportedProtocols(String contentType) {
        if (contentType == null || contentType.equals("audio/x-tone-seq")) {
            return new String[] {"device"};
        }
        return new String[0];
    }

    public static Player createPlayer(String locator) throws IOException, MediaException {
        if (locator == null) {
            throw new IllegalArgumentException("null locator");
        }
        if (locator.equals(TONE_DEVICE_LOCATOR)) {
            return MediaPlayer.forTones();
        }
        throw new MediaException("cannot play " + locator);
    }

    public static Player createPlayer(InputStream stream, String type)
            throws IOException, MediaException {
        if (stream == null) {
            throw new IllegalArgumentException("null stream");
        }
        return MediaPlayer.forStream(stream, type);
    }

    public static void playTone(int note, int duration, int volume) throws MediaException {
        if (note < 0 || note > 127 || duration <= 0) {
            throw new IllegalArgumentException("bad tone " + note + " for " + duration + " ms");
        }
        Synth.playTone(note, duration, Math.max(0, Math.min(volume, 100)));
    }

    public static TimeBase getSystemTimeBase() {
        return SYSTEM_TIME_BASE;
    }
}
