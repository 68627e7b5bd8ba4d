package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;
import javax.microedition.media.Manager;
import javax.microedition.media.MediaException;
import javax.microedition.media.Player;
import javax.microedition.media.PlayerListener;
import javax.microedition.media.control.ToneControl;
import javax.microedition.media.control.VolumeControl;
import javax.sound.midi.MidiEvent;
import javax.sound.midi.MidiSystem;
import javax.sound.midi.Sequence;
import javax.sound.midi.ShortMessage;
import javax.sound.midi.Track;
import javax.sound.sampled.AudioFileFormat;
import javax.sound.sampled.AudioFormat;
import javax.sound.sampled.AudioInputStream;
import javax.sound.sampled.AudioSystem;
import org.junit.jupiter.api.Test;

/** Players behave the same whether or not the machine has a sound device. */
class MediaTest {
    /** A MIDI file of one note lasting 200 ms (120 beats a minute, 480 ticks a beat). */
    private static byte[] midi() throws Exception {
        Sequence sequence = new Sequence(Sequence.PPQ, 480);
        Track track = sequence.createTrack();
        track.add(new MidiEvent(new ShortMessage(ShortMessage.NOTE_ON, 0, 60, 90), 0));
        track.add(new MidiEvent(new ShortMessage(ShortMessage.NOTE_OFF, 0, 60, 0), 192));
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        MidiSystem.write(sequence, 0, out);
        return out.toByteArray();
    }

    private static byte[] wav() throws Exception {
        AudioFormat format = new AudioFormat(8000, 8, 1, false, false);
        byte[] samples = new byte[800]; // 100 ms
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        AudioSystem.write(
                new AudioInputStream(new ByteArrayInputStream(samples), format, samples.length),
                AudioFileFormat.Type.WAVE, out);
        return out.toByteArray();
    }

    private static String next(LinkedBlockingQueue<String> events) throws InterruptedException {
        String event = events.poll(3, TimeUnit.SECONDS);
        assertNotNull(event, "no player event came");
        return event;
    }

    @Test
    void midiPlaysToTheEndLoopsAndStartsAgainFromZero() throws Exception {
        Player player = Manager.createPlayer(new ByteArrayInputStream(midi()), "audio/midi");
        LinkedBlockingQueue<String> events = new LinkedBlockingQueue<>();
        player.addPlayerListener((p, event, data) -> events.add(event));
        assertEquals(Player.UNREALIZED, player.getState());
        assertEquals(Player.TIME_UNKNOWN, player.getDuration());
        player.realize();
        assertEquals(200_000, player.getDuration(), 5_000);
        player.setLoopCount(2);
        player.start();
        assertEquals(Player.STARTED, player.getState());
        assertEquals(PlayerListener.STARTED, next(events));
        assertEquals(PlayerListener.END_OF_MEDIA, next(events));
        assertEquals(PlayerListener.END_OF_MEDIA, next(events));
        assertEquals(Player.PREFETCHED, player.getState());
        assertEquals(player.getDuration(), player.getMediaTime());
        player.start(); // after the end of media, from the beginning
        assertTrue(player.getMediaTime() < 100_000);
        player.stop();
        assertEquals(PlayerListener.STARTED, next(events));
        assertEquals(PlayerListener.STOPPED, next(events));
        assertThrows(IllegalArgumentException.class, () -> player.setLoopCount(0));
        VolumeControl volume = (VolumeControl) player.getControl("VolumeControl");
        assertEquals(100, volume.setLevel(150));
        player.close();
        assertEquals(Player.CLOSED, player.getState());
        assertThrows(IllegalStateException.class, player::start);
    }

    @Test
    void otherContentTypesAndMistakes() throws Exception {
        Player wave = Manager.createPlayer(new ByteArrayInputStream(wav()), "audio/x-wav");
        wave.prefetch();
        assertEquals(100_000, wave.getDuration(), 1_000);
        Player mp3 = Manager.createPlayer(
                new ByteArrayInputStream(new byte[] {'I', 'D', '3', 0}), "audio/mpeg");
        mp3.start();
        assertEquals(Player.STARTED, mp3.getState());
        assertEquals(Player.TIME_UNKNOWN, mp3.getDuration());
        mp3.close();

        Player tones = Manager.createPlayer(Manager.TONE_DEVICE_LOCATOR);
        tones.realize();
        ToneControl control = (ToneControl) tones.getControl("ToneControl");
        // A quarter note at 120 beats a minute, played twice through a block.
        control.setSequence(new byte[] {ToneControl.VERSION, 1, ToneControl.TEMPO, 30,
                ToneControl.BLOCK_START, 0, ToneControl.C4, 16, ToneControl.BLOCK_END, 0,
                ToneControl.PLAY_BLOCK, 0, ToneControl.PLAY_BLOCK, 0});
        assertEquals(1_000_000, tones.getDuration(), 5_000);
        assertThrows(IllegalArgumentException.class, () -> control.setSequence(new byte[] {1, 2}));

        assertThrows(MediaException.class,
                () -> Manager.createPlayer(new ByteArrayInputStream(new byte[1]), "video/mp4"));
        assertThrows(
                IllegalArgumentException.class, () -> Manager.createPlayer(null, "audio/midi"));
        Player broken =
                Manager.createPlayer(new ByteArrayInputStream(new byte[] {1, 2, 3}), "audio/midi");
        assertThrows(MediaException.class, broken::realize);
    }
}
