package zor.wtk.media;

import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ScheduledThreadPoolExecutor;
import java.util.concurrent.TimeUnit;
import javax.sound.midi.MidiSystem;
import javax.sound.midi.Receiver;
import javax.sound.midi.ShortMessage;
import javax.sound.midi.Synthesizer;

/**
 * The one synthesizer all MIDI players and tones share, and the thread that times media.
 * Where no sound device can be opened everything plays silently.
 */
public final class Synth {
    static final ScheduledExecutorService CLOCK = new ScheduledThreadPoolExecutor(1, r -> {
        Thread t = new Thread(r, "media");
        t.setDaemon(true);
        return t;
    });
    private static final int TONE_CHANNEL = 15;

    private static Receiver receiver;
    private static boolean unavailable;

    private Synth() {}

    /** The synthesizer's input, or null when the machine cannot make sound. */
    static synchronized Receiver receiver() {
        if (receiver == null && !unavailable) {
            try {
                Synthesizer synth = MidiSystem.getSynthesizer();
                synth.open();
                receiver = synth.getReceiver();
            } catch (Exception | LinkageError e) {
                unavailable = true;
            }
        }
        return receiver;
    }

    public static void playTone(int note, int duration, int volume) {
        final Receiver r = receiver();
        if (r == null) {
            return;
        }
        try {
            r.send(new ShortMessage(ShortMessage.NOTE_ON, TONE_CHANNEL, note, volume * 127 / 100),
                    -1);
            final ShortMessage off = new ShortMessage(ShortMessage.NOTE_OFF, TONE_CHANNEL, note, 0);
            CLOCK.schedule(() -> r.send(off, -1), duration, TimeUnit.MILLISECONDS);
        } catch (javax.sound.midi.InvalidMidiDataException e) {
            throw new IllegalArgumentException(e.getMessage());
        }
    }

    /** Sets the main volume of every channel. */
    static void volume(int level, boolean muted) {
        Receiver r = receiver();
        if (r == null) {
            return;
        }
        int value = muted ? 0 : level * 127 / 100;
        try {
            for (int channel = 0; channel < 16; channel++) {
                r.send(new ShortMessage(ShortMessage.CONTROL_CHANGE, channel, 7, value), -1);
            }
        } catch (javax.sound.midi.InvalidMidiDataException e) {
            throw new IllegalStateException(e);
        }
    }
}
