package zor.wtk.test;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.io.File;
import java.nio.file.Path;
import java.util.Map;
import javax.microedition.rms.InvalidRecordIDException;
import javax.microedition.rms.RecordEnumeration;
import javax.microedition.rms.RecordStore;
import javax.microedition.rms.RecordStoreException;
import javax.microedition.rms.RecordStoreNotFoundException;
import javax.microedition.rms.RecordStoreNotOpenException;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;
import zor.wtk.Suite;

class RecordStoreTest {
    @TempDir Path folder;

    @Test
    void recordsSurviveClosingAndEnumerateSorted() throws Exception {
        File suiteFolder = folder.resolve("My Game's \"records\"").toFile();
        Suite.install(new Suite(Map.of("MIDlet-Name", "Game", "MIDlet-Vendor", "ZOR"),
                getClass().getClassLoader(), suiteFolder));
        RecordStore store = RecordStore.openRecordStore("scores/1", true);
        assertEquals(1, store.addRecord(new byte[] {9, 3, 7}, 1, 1));
        assertEquals(2, store.addRecord(null, 0, 0));
        assertEquals(3, store.addRecord(new byte[] {1}, 0, 1));
        store.deleteRecord(1);
        store.closeRecordStore();
        assertThrows(RecordStoreNotOpenException.class, store::getNumRecords);

        RecordStore again = RecordStore.openRecordStore("scores/1", false);
        assertEquals(2, again.getNumRecords());
        assertEquals(4, again.getNextRecordID());
        assertNull(again.getRecord(2));
        assertArrayEquals(new byte[] {1}, again.getRecord(3));
        assertThrows(InvalidRecordIDException.class, () -> again.getRecord(1));
        again.setRecord(2, new byte[] {5}, 0, 1);
        RecordEnumeration byContent =
                again.enumerateRecords(null, (a, b) -> Integer.compare(a[0], b[0]), false);
        assertEquals(3, byContent.nextRecordId());
        assertEquals(2, byContent.nextRecordId());
        assertArrayEquals(new String[] {"scores/1"}, RecordStore.listRecordStores());
        assertThrows(RecordStoreException.class, () -> RecordStore.deleteRecordStore("scores/1"));
        again.closeRecordStore();
        RecordStore.deleteRecordStore("scores/1");
        assertThrows(RecordStoreNotFoundException.class,
                () -> RecordStore.openRecordStore("scores/1", false));
        assertThrows(IllegalArgumentException.class,
                () -> RecordStore.openRecordStore("x".repeat(33), true));
    }
}
