package zor.wtk.media;

import javax.sound.sampled.AudioFormat;
import javax.sound.sampled.AudioSystem;
import javax.sound.sampled.BooleanControl;
import javax.sound.sampled.Clip;
import javax.sound.sampled.FloatControl;

/** A clip holding decoded samples. */
final class SampledSound implements Sound {
    private final Clip clip;

    private SampledSound(Clip clip) {
        this.clip = clip;
    }

    static Sound open(AudioFormat format, byte[] samples) {
        try {
            Clip clip = AudioSystem.getClip();
            clip.open(format, samples, 0, samples.length);
            return new SampledSound(clip);
        } catch (Exception e) {
            return null;
        }
    }

    public void play(long fromMicros) {
        clip.setMicrosecondPosition(fromMicros);
        clip.start();
    }

    public void pause() {
        clip.stop();
    }

    public void close() {
        clip.close();
    }

    public void volume(int level, boolean muted) {
        if (clip.isControlSupported(BooleanControl.Type.MUTE)) {
            ((BooleanControl) clip.getControl(BooleanControl.Type.MUTE)).setValue(muted);
        }
        if (clip.isControlSupported(FloatControl.Type.MASTER_GAIN)) {
            FloatControl gain = (FloatControl) clip.getControl(FloatControl.Type.MASTER_GAIN);
            float db = level == 0 ? gain.getMinimum() : (float) (20 * Math.log10(level / 100.0));
            gain.setValue(Math.max(gain.getMinimum(), Math.min(db, gain.getMaximum())));
        }
    }
}
