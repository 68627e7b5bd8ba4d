package zor.wtk.media;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.TimeUnit;
import javax.microedition.media.Control;
import javax.microedition.media.Manager;
import javax.microedition.media.MediaException;
import javax.microedition.media.Player;
import javax.microedition.media.PlayerListener;
import javax.microedition.media.TimeBase;
import javax.microedition.media.control.ToneControl;
import javax.microedition.media.control.VolumeControl;
import javax.sound.midi.MidiSystem;
import javax.sound.midi.Sequence;
import javax.sound.sampled.AudioFormat;
import javax.sound.sampled.AudioInputStream;
import javax.sound.sampled.AudioSystem;
import zor.wtk.Device;

/**
 * A Player for MIDI, sampled audio (WAV, AU), tone sequences and MP3. The player keeps its own
 * clock, so that media time, end of media and loops behave the same with or without a sound
 * device; the device only follows.
 */
public final class MediaPlayer implements Player {
    private enum Kind { MIDI, SAMPLED, MPEG, TONES }

    private final Kind kind;
    private final String contentType;
    private byte[] data;
    private int state = UNREALIZED;
    // Decoded media: a sequence for MIDI and tones, samples for sampled audio.
    private Sequence sequence;
    private AudioFormat format;
    private byte[] samples;
    private long duration = TIME_UNKNOWN;
    private Sound sound;
    private long baseMicros;
    private long startNanos;
    private int loopCount = 1;
    private int loopsDone;
    private ScheduledFuture<?> endTask;
    private int level = 100;
    private boolean muted;
    private final CopyOnWriteArrayList<PlayerListener> listeners = new CopyOnWriteArrayList<>();
    private final VolumeControl volumeControl = new Volume();
    private final ToneControl toneControl = new Tones();

    private MediaPlayer(Kind kind, String contentType, byte[] data) {
        this.kind = kind;
        this.contentType = contentType;
        this.data = data;
    }

    public static Player forTones() {
        return new MediaPlayer(Kind.TONES, "audio/x-tone-seq", null);
    }

    public static Player forStream(InputStream stream, String type)
            throws IOException, MediaException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        byte[] chunk = new byte[8192];
        for (int n; (n = stream.read(chunk)) > 0;) {
            bytes.write(chunk, 0, n);
        }
        byte[] data = bytes.toByteArray();
        String name = type == null ? sniff(data) : type.toLowerCase().split(";")[0].trim();
        Kind kind;
        if (name.equals("audio/midi") || name.equals("audio/mid") || name.equals("audio/x-midi")
                || name.equals("audio/sp-midi")) {
            kind = Kind.MIDI;
            name = "audio/midi";
        } else if (name.equals("audio/x-wav") || name.equals("audio/wav")
                || name.equals("audio/basic")) {
            kind = Kind.SAMPLED;
        } else if (name.equals("audio/mpeg") || name.equals("audio/mp3")) {
            kind = Kind.MPEG;
            name = "audio/mpeg";
        } else if (name.equals("audio/x-tone-seq")) {
            kind = Kind.TONES;
        } else {
            throw new MediaException("unsupported content type " + type);
        }
        return new MediaPlayer(kind, name, data);
    }

    private static String sniff(byte[] d) {
        if (startsWith(d, "MThd")) {
            return "audio/midi";
        }
        if (startsWith(d, "RIFF")) {
            return "audio/x-wav";
        }
        if (startsWith(d, ".snd")) {
            return "audio/basic";
        }
        if (startsWith(d, "ID3")
                || (d.length > 1 && (d[0] & 0xFF) == 0xFF && (d[1] & 0xE0) == 0xE0)) {
            return "audio/mpeg";
        }
        return "unknown";
    }

    private static boolean startsWith(byte[] d, String magic) {
        if (d.length < magic.length()) {
            return false;
        }
        for (int i = 0; i < magic.length(); i++) {
            if (d[i] != magic.charAt(i)) {
                return false;
            }
        }
        return true;
    }

    private void checkNotClosed() {
        if (state == CLOSED) {
            throw new IllegalStateException("the player is closed");
        }
    }

    private void checkRealized() {
        checkNotClosed();
        if (state == UNREALIZED) {
            throw new IllegalStateException("the player is not realized");
        }
    }

    public synchronized void realize() throws MediaException {
        checkNotClosed();
        if (state != UNREALIZED) {
            return;
        }
        decode();
        state = REALIZED;
    }

    private void decode() throws MediaException {
        try {
            switch (kind) {
                case MIDI:
                    sequence = MidiSystem.getSequence(new ByteArrayInputStream(data));
                    duration = sequence.getMicrosecondLength();
                    break;
                case TONES:
                    sequence = data == null ? ToneSequence.silence() : ToneSequence.parse(data);
                    duration = sequence.getMicrosecondLength();
                    break;
                case SAMPLED:
                    AudioInputStream in =
                            AudioSystem.getAudioInputStream(new ByteArrayInputStream(data));
                    AudioFormat.Encoding encoding = in.getFormat().getEncoding();
                    if (!encoding.equals(AudioFormat.Encoding.PCM_SIGNED)
                            && !encoding.equals(AudioFormat.Encoding.PCM_UNSIGNED)) {
                        in = AudioSystem.getAudioInputStream(AudioFormat.Encoding.PCM_SIGNED, in);
                    }
                    format = in.getFormat();
                    ByteArrayOutputStream pcm = new ByteArrayOutputStream();
                    byte[] chunk = new byte[8192];
                    for (int n; (n = in.read(chunk)) > 0;) {
                        pcm.write(chunk, 0, n);
                    }
                    samples = pcm.toByteArray();
                    duration = (long) (samples.length / format.getFrameSize() * 1e6
                            / format.getFrameRate());
                    break;
                default: break;
            }
        } catch (Exception e) {
            throw new MediaException("cannot decode " + contentType + ": " + e.getMessage());
        }
        data = null;
    }

    public synchronized void prefetch() throws MediaException {
        realize();
        if (state == REALIZED) {
            openSound();
            state = PREFETCHED;
        }
    }

    private void openSound() {
        if (sound != null) {
            return;
        }
        if (sequence != null) {
            sound = MidiSound.open(sequence);
        } else if (samples != null) {
            sound = SampledSound.open(format, samples);
        }
        if (sound != null) {
            sound.volume(level, muted);
        }
    }

    private void closeSound() {
        if (sound != null) {
            sound.close();
            sound = null;
        }
    }

    public synchronized void start() throws MediaException {
        prefetch();
        if (state == STARTED) {
            return;
        }
        if (duration != TIME_UNKNOWN && baseMicros >= duration) {
            baseMicros = 0;
        }
        openSound();
        state = STARTED;
        run();
        post(PlayerListener.STARTED, Long.valueOf(baseMicros));
    }

    /** Starts the clock and the sound at the current media time. */
    private void run() {
        startNanos = System.nanoTime();
        if (sound != null) {
            sound.play(baseMicros);
        }
        if (duration != TIME_UNKNOWN) {
            endTask = Synth.CLOCK.schedule(
                    this::reachedEnd, duration - baseMicros, TimeUnit.MICROSECONDS);
        }
    }

    private void halt() {
        baseMicros = currentTime();
        if (endTask != null) {
            endTask.cancel(false);
            endTask = null;
        }
        if (sound != null) {
            sound.pause();
        }
    }

    private synchronized void reachedEnd() {
        if (state != STARTED) {
            return;
        }
        endTask = null;
        loopsDone++;
        if (loopCount == -1 || loopsDone < loopCount) {
            baseMicros = 0;
            run();
            post(PlayerListener.END_OF_MEDIA, Long.valueOf(duration));
            return;
        }
        loopsDone = 0;
        baseMicros = duration;
        state = PREFETCHED;
        // The device is given back at the end and taken again by the next start.
        closeSound();
        post(PlayerListener.END_OF_MEDIA, Long.valueOf(duration));
    }

    private long currentTime() {
        if (state != STARTED) {
            return baseMicros;
        }
        long now = baseMicros + (System.nanoTime() - startNanos) / 1000;
        return duration == TIME_UNKNOWN ? now : Math.min(now, duration);
    }

    public synchronized void stop() throws MediaException {
        checkNotClosed();
        if (state != STARTED) {
            return;
        }
        halt();
        state = PREFETCHED;
        post(PlayerListener.STOPPED, Long.valueOf(baseMicros));
    }

    public synchronized void deallocate() {
        checkNotClosed();
        if (state == STARTED) {
            halt();
            state = PREFETCHED;
            post(PlayerListener.STOPPED, Long.valueOf(baseMicros));
        }
        if (state == PREFETCHED) {
            closeSound();
            state = REALIZED;
        }
    }

    public synchronized void close() {
        if (state == CLOSED) {
            return;
        }
        if (state == STARTED) {
            halt();
        }
        closeSound();
        state = CLOSED;
        post(PlayerListener.CLOSED, null);
    }

    public synchronized void setTimeBase(TimeBase master) throws MediaException {
        checkRealized();
        if (state == STARTED) {
            throw new IllegalStateException("the player is started");
        }
        if (master != null && master != Manager.getSystemTimeBase()) {
            throw new MediaException("only the system time base is supported");
        }
    }

    public synchronized TimeBase getTimeBase() {
        checkRealized();
        return Manager.getSystemTimeBase();
    }

    public synchronized long setMediaTime(long now) throws MediaException {
        checkRealized();
        long time = Math.max(0, duration == TIME_UNKNOWN ? now : Math.min(now, duration));
        boolean running = state == STARTED;
        if (running) {
            halt();
        }
        baseMicros = time;
        if (running) {
            run();
        }
        return time;
    }

    public synchronized long getMediaTime() {
        checkNotClosed();
        return currentTime();
    }

    public synchronized int getState() {
        return state;
    }

    public synchronized long getDuration() {
        checkNotClosed();
        return duration;
    }

    public String getContentType() {
        synchronized (this) {
            checkRealized();
        }
        return contentType;
    }

    public synchronized void setLoopCount(int count) {
        checkNotClosed();
        if (state == STARTED) {
            throw new IllegalStateException("the player is started");
        }
        if (count == 0 || count < -1) {
            throw new IllegalArgumentException("bad loop count " + count);
        }
        loopCount = count;
        loopsDone = 0;
    }

    public void addPlayerListener(PlayerListener playerListener) {
        synchronized (this) {
            checkNotClosed();
        }
        if (playerListener != null) {
            listeners.addIfAbsent(playerListener);
        }
    }

    public void removePlayerListener(PlayerListener playerListener) {
        synchronized (this) {
            checkNotClosed();
        }
        listeners.remove(playerListener);
    }

    public synchronized Control[] getControls() {
        checkRealized();
        return kind == Kind.TONES ? new Control[] {volumeControl, toneControl}
                                  : new Control[] {volumeControl};
    }

    public synchronized Control getControl(String controlType) {
        checkRealized();
        if (controlType == null) {
            throw new IllegalArgumentException("null control type");
        }
        String name = controlType.startsWith("javax.microedition.media.control.")
                ? controlType.substring("javax.microedition.media.control.".length())
                : controlType;
        if (name.equals("VolumeControl")) {
            return volumeControl;
        }
        if (name.equals("ToneControl") && kind == Kind.TONES) {
            return toneControl;
        }
        return null;
    }

    /** Listener calls go out in order on the media thread, never under the player's lock. */
    private void post(final String event, final Object eventData) {
        if (listeners.isEmpty()) {
            return;
        }
        Synth.CLOCK.execute(() -> {
            for (PlayerListener l : listeners) {
                try {
                    l.playerUpdate(this, event, eventData);
                } catch (Throwable t) {
                    Device.get().crash(t);
                }
            }
        });
    }

    private final class Volume implements VolumeControl {
        public void setMute(boolean mute) {
            synchronized (MediaPlayer.this) {
                if (muted == mute) {
                    return;
                }
                muted = mute;
                apply();
            }
        }

        public boolean isMuted() {
            synchronized (MediaPlayer.this) {
                return muted;
            }
        }

        public int setLevel(int newLevel) {
            synchronized (MediaPlayer.this) {
                int clamped = Math.max(0, Math.min(newLevel, 100));
                if (clamped != level) {
                    level = clamped;
                    apply();
                }
                return level;
            }
        }

        public int getLevel() {
            synchronized (MediaPlayer.this) {
                return level;
            }
        }

        private void apply() {
            if (sound != null) {
                sound.volume(level, muted);
            }
            post(PlayerListener.VOLUME_CHANGED, this);
        }
    }

    private final class Tones implements ToneControl {
        public void setSequence(byte[] tones) {
            synchronized (MediaPlayer.this) {
                if (state == PREFETCHED || state == STARTED) {
                    throw new IllegalStateException("the player is prefetched or started");
                }
                if (tones == null) {
                    throw new IllegalArgumentException("null tone sequence");
                }
                sequence = ToneSequence.parse(tones);
                duration = sequence.getMicrosecondLength();
                baseMicros = 0;
            }
        }
    }
}
